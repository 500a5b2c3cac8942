/* The raw limit for shredding many small files: the same system calls the program makes for
 * each file with its default settings, made natively and nothing else. Per file: open, write
 * one byte at offset 0 and fsync (the write test); 10 passes of 3 sub-passes, each covering the
 * file from offset 0 and fsynced; truncate to zero; two renames in the same folder; set its
 * times; delete. Folders are removed bottom-up once empty.
 *   limite_crudo FOLDER [PASSES]     prints the number of files shredded
 * Built natively by bench/triturar_muchos.sh (gcc -O2). */
#define _GNU_SOURCE
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

static int pasadas = 10;
static long archivos = 0;

static int fallo(const char* que, const char* ruta) {
    perror(ruta);
    fprintf(stderr, "  while: %s\n", que);
    return -1;
}

static int triturar_archivo(const char* carpeta, const char* nombre) {
    char ruta[4096], nueva[4096], tilde[4096];
    snprintf(ruta, sizeof ruta, "%s/%s", carpeta, nombre);
    int fd = open(ruta, O_RDWR);
    if (fd < 0) return fallo("open", ruta);
    if (pwrite(fd, "X", 1, 0) != 1 || fsync(fd) != 0) return fallo("write test", ruta);
    struct stat st;
    if (fstat(fd, &st) != 0) return fallo("size", ruta);
    char bloque[4096];
    for (int p = 0; p < pasadas; ++p) {
        for (int capa = 0; capa < 3; ++capa) {
            memset(bloque, capa == 2 ? rand() & 0xFF : capa, sizeof bloque);
            for (off_t hecho = 0; hecho < st.st_size;) {
                size_t n = st.st_size - hecho < (off_t)sizeof bloque ? (size_t)(st.st_size - hecho) : sizeof bloque;
                if (pwrite(fd, bloque, n, hecho) != (ssize_t)n) return fallo("pass", ruta);
                hecho += n;
            }
            if (fsync(fd) != 0) return fallo("fsync", ruta);
        }
    }
    if (ftruncate(fd, 0) != 0) return fallo("truncate", ruta);
    close(fd);
    snprintf(nueva, sizeof nueva, "%s/%08lx.zzz", carpeta, (unsigned long)rand());
    snprintf(tilde, sizeof tilde, "%s/~", carpeta);
    if (rename(ruta, nueva) != 0 || rename(nueva, tilde) != 0) return fallo("rename", ruta);
    struct timeval tiempos[2] = {{1000000000, 0}, {1000000000, 0}};
    if (utimes(tilde, tiempos) != 0) return fallo("times", tilde);
    if (unlink(tilde) != 0) return fallo("delete", tilde);
    ++archivos;
    return 0;
}

static int triturar_carpeta(const char* carpeta) {
    DIR* d = opendir(carpeta);
    if (!d) return fallo("opendir", carpeta);
    /* The names first: the folder changes while its files are shredded. */
    size_t n = 0, cap = 64;
    char** nombres = malloc(cap * sizeof *nombres);
    unsigned char* tipos = malloc(cap);
    for (struct dirent* e; (e = readdir(d));) {
        if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
        if (n == cap) {
            cap *= 2;
            nombres = realloc(nombres, cap * sizeof *nombres);
            tipos = realloc(tipos, cap);
        }
        nombres[n] = strdup(e->d_name);
        tipos[n++] = e->d_type;
    }
    closedir(d);
    int r = 0;
    for (size_t i = 0; i < n; ++i) {
        if (tipos[i] == DT_DIR) {
            char sub[4096];
            snprintf(sub, sizeof sub, "%s/%s", carpeta, nombres[i]);
            if (triturar_carpeta(sub) != 0) r = -1;
        } else if (triturar_archivo(carpeta, nombres[i]) != 0) {
            r = -1;
        }
        free(nombres[i]);
    }
    free(nombres);
    free(tipos);
    if (rmdir(carpeta) != 0) return fallo("rmdir", carpeta);
    return r;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: limite_crudo FOLDER [PASSES]\n");
        return 2;
    }
    if (argc > 2) pasadas = atoi(argv[2]);
    const int r = triturar_carpeta(argv[1]);
    printf("%ld\n", archivos);
    return r == 0 ? 0 : 1;
}
