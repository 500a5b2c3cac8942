#pragma once
// Several items chosen together in Explorer start one copy of the program per item, each
// with one path. The first copy started with paths gathers the paths that the others hand
// over to it within a short moment, so that one confirmation lists them all and one run
// shreds them; the others end at once. Only copies of the same user in the same session
// meet: the meeting point's names carry both.
//
// The meeting point is a named mutex, owned by the copy that gathers, and a message-only
// window of that copy, which takes the paths of the others as WM_COPYDATA and answers TRUE
// for every hand-over it accepted. A copy whose hand-over was not accepted keeps its own
// paths and asks on its own: no path is ever dropped.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

using ListaRutas = std::vector<std::wstring>;

struct PlazosReunion {
    // The copy that gathers stops once no path has come for this long and no other copy of
    // the program that started with it is still running (on a busy machine a copy may take
    // seconds to come up and hand its paths over)...
    std::chrono::milliseconds silencio{800};
    // ...and at the latest this long after it began.
    std::chrono::milliseconds maximo{10000};
    // A later copy keeps trying to hand its paths over for this long, then asks on its own.
    std::chrono::milliseconds entrega{5000};
};

// The meeting point of this user in this session.
std::wstring LugarDeReunion();

// The paths this copy is to confirm and shred: its own, then those handed over to it in the
// order they came; or nothing when its own were handed over to the copy that gathers, and
// this copy is to end. No paths: nothing is gathered, the empty list comes back.
std::optional<ListaRutas> ReunirRutas(const ListaRutas& propias, const std::wstring& lugar = LugarDeReunion(),
                                      const PlazosReunion& plazos = {});

// A hand-over on the wire: every path followed by a zero. Reading gives nothing for data that
// is not such a list (an odd number of bytes, no final zero, no path at all).
std::wstring EmpaquetarRutas(const ListaRutas& rutas);
std::optional<ListaRutas> DesempaquetarRutas(const void* datos, std::size_t bytes);
