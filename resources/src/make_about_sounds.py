#!/usr/bin/env python3
"""Synthesises the about box's three sounds and writes them as WAVE files.

Run from anywhere: python3 resources/src/make_about_sounds.py. The outputs are committed;
this script is their source. Pure Python, deterministic: soft bell-like notes (a sine with a
little of its octave, a quick attack and an exponential decay), 22050 Hz, 16-bit mono.
"""
import math, os, struct, wave

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
RATE = 22050


def notes(sequence, length):
    """sequence: (start s, frequency Hz, duration s, loudness 0..1); length in seconds."""
    samples = [0.0] * int(RATE * length)
    for start, freq, dur, loud in sequence:
        first = int(start * RATE)
        for i in range(int(dur * RATE)):
            if first + i >= len(samples):
                break
            t = i / RATE
            envelope = min(1.0, t / 0.006) * math.exp(-t * 5.5 / dur)
            tone = math.sin(2 * math.pi * freq * t) + 0.25 * math.sin(4 * math.pi * freq * t)
            samples[first + i] += loud * envelope * tone
    fade = int(0.01 * RATE)  # no click at the end
    for i in range(fade):
        samples[-1 - i] *= i / fade
    return samples


def write_wav(name, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.6 * 32767 / peak
    with wave.open(os.path.join(OUT, name), 'wb') as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(b''.join(struct.pack('<h', int(round(s * scale))) for s in samples))


if __name__ == '__main__':
    # The box opens: a rising major chord, C E G and the octave.
    write_wav('acerca.wav', notes([(0.00, 523.25, 0.45, 1.0), (0.09, 659.25, 0.45, 0.9),
                                   (0.18, 783.99, 0.45, 0.85), (0.27, 1046.5, 0.55, 0.8)], 0.85))
    # A link is clicked: two quick notes up a fourth.
    write_wav('si.wav', notes([(0.00, 783.99, 0.16, 1.0), (0.08, 1046.5, 0.22, 0.9)], 0.32))
    # The small picture is clicked: two soft notes down a third.
    write_wav('no.wav', notes([(0.00, 392.00, 0.20, 1.0), (0.12, 311.13, 0.28, 0.9)], 0.42))
