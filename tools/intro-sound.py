#!/usr/bin/env python3
"""Writes the intro's chime: a soft drop, then a rising gold arpeggio that rings out.

16-bit mono PCM WAV at 22050 Hz, about 3.2 s. Usage: intro-sound.py OUT.wav
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 3.2


def tone(t, start, freq, decay, level):
    if t < start:
        return 0.0
    d = t - start
    attack = min(d / 0.012, 1.0)
    # A bell: the fundamental with two quieter partials.
    s = math.sin(2 * math.pi * freq * d) + 0.35 * math.sin(2 * math.pi * 2.01 * freq * d) * math.exp(-d * 3)
    s += 0.12 * math.sin(2 * math.pi * 3.02 * freq * d) * math.exp(-d * 6)
    return level * attack * math.exp(-d / decay) * s


def drop(t, start):
    if t < start or t > start + 0.25:
        return 0.0
    d = t - start
    freq = 900 * math.exp(-d * 9) + 220
    return 0.35 * math.exp(-d * 14) * math.sin(2 * math.pi * freq * d)


# Notes of a major chord landing with the drop (2.0 s), the letters and the accept (4.4 s is
# beyond the file: the chime rings under the name's arrival only).
NOTES = [
    (1.95, 523.25, 0.9, 0.30),
    (2.30, 659.25, 0.5, 0.16),
    (2.52, 783.99, 0.5, 0.14),
    (2.74, 1046.5, 0.6, 0.12),
    (2.96, 1318.5, 0.6, 0.10),
    (3.18, 1567.98, 0.7, 0.08),
]


def sample(t):
    s = drop(t, 1.25) + sum(tone(t, *n) for n in NOTES)
    fade = min(1.0, (LENGTH - t) / 0.3)
    return max(-1.0, min(1.0, 0.8 * s * fade))


def main(path):
    frames = bytearray()
    for i in range(int(RATE * LENGTH)):
        frames += struct.pack("<h", int(sample(i / RATE) * 32767))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == "__main__":
    main(sys.argv[1])
