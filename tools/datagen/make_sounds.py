#!/usr/bin/env python3
"""Synthesises the game's sounds into gamedata/sound/ as 16-bit mono PCM WAV
files at 22050 Hz: short effects and five looping stage tunes. The noise is
seeded, so every run writes the same files."""

import math
import os
import random
import struct
import wave

RATE = 22050
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "gamedata", "sound")
noise = random.Random(1234)


def seconds(t):
    return int(t * RATE)


def tone(freq, length, shape="sine", volume=0.5, attack=0.005, release=0.05, slide=0.0):
    """One note; slide is the frequency change per second."""
    out, phase = [], 0.0
    n = seconds(length)
    for i in range(n):
        t = i / RATE
        phase += 2 * math.pi * (freq + slide * t) / RATE
        if shape == "sine":
            v = math.sin(phase)
        elif shape == "square":
            v = 1.0 if math.sin(phase) >= 0 else -1.0
        elif shape == "triangle":
            v = 2 / math.pi * math.asin(math.sin(phase))
        else:  # noise
            v = noise.uniform(-1, 1)
        env = min(1.0, t / attack if attack else 1.0, (length - t) / release if release else 1.0)
        out.append(v * volume * max(env, 0.0))
    return out


def decay(samples, rate):
    return [s * math.exp(-rate * i / RATE) for i, s in enumerate(samples)]


def lowpass(samples, amount):
    out, last = [], 0.0
    for s in samples:
        last += amount * (s - last)
        out.append(last)
    return out


def mix(*tracks):
    length = max(len(t) for t in tracks)
    return [sum(t[i] for t in tracks if i < len(t)) for i in range(length)]


def sequence(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def write(name, samples, ceiling=0.9):
    """Writes the samples, scaled down if need be so the loudest is at most
    the ceiling (a fraction of full scale)."""
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = min(1.0, ceiling / peak) * 32767
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s * scale)) for s in samples))


NOTE = {n: 440.0 * 2 ** ((i - 9) / 12) for i, n in enumerate(
    ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"])}


def pitch(name):
    """"A4", "C#5" and the like."""
    return NOTE[name[:-1]] * 2 ** (int(name[-1]) - 4)


def tune(melody, bass, beat, repeats, lead="square", lead_volume=0.18, drum_every=2):
    """A melody (a square wave unless told otherwise) over a triangle bass,
    with a drum every few beats; '-' is a rest. Every note starts and ends
    silent, and the loop is cut on a whole bar, so it joins itself without a
    click."""
    assert len(melody) == len(bass), "the melody and the bass must be as long"
    def line(notes, shape, volume):
        return sequence(*(tone(pitch(n), beat, shape, volume, 0.01, 0.06) if n != "-"
                          else [0.0] * seconds(beat) for n in notes))
    bar = mix(line(melody, lead, lead_volume), line(bass, "triangle", 0.45))
    drum = decay(tone(0, 0.08, "noise", 0.25, 0.001, 0.02), 60)
    for i in range(0, len(bar), seconds(beat * drum_every)):
        for j, s in enumerate(drum):
            if i + j < len(bar):
                bar[i + j] += s
    return bar * repeats


def effects():
    """Each effect ends before the game can ask for it again: a sound still
    playing is not restarted, so a longer one would swallow the repeat.
    check_data.py holds the shortest repeat of each."""
    write("bomb_collect.wav", sequence(decay(tone(880, 0.035, "square", 0.3, 0.002, 0.01), 10),
                                       decay(tone(1320, 0.055, "square", 0.3, 0.002, 0.03), 20)))
    write("checkpoint.wav", sequence(*(tone(pitch(n), 0.045, "triangle", 0.6, 0.003, 0.02)
                                       for n in ("C5", "E5", "G5", "C6"))))
    write("dead.wav", tone(440, 0.22, "square", 0.35, 0.005, 0.08, slide=-1200))
    write("explode.wav", lowpass(decay(tone(0, 0.7, "noise", 1.0, 0.002, 0.15), 6), 0.25))
    write("pop_holder.wav", decay(tone(180, 0.09, "sine", 0.9, 0.001, 0.03, slide=1500), 30))
    write("switch.wav", sequence(decay(tone(0, 0.03, "noise", 0.8, 0.001, 0.01), 80),
                                 [0.0] * seconds(0.04),
                                 decay(tone(1200, 0.05, "square", 0.4, 0.001, 0.02), 60)))
    write("barrel_hit.wav", decay(mix(tone(90, 0.16, "sine", 0.9, 0.001, 0.04),
                                      lowpass(tone(0, 0.16, "noise", 0.6, 0.001, 0.04), 0.2)), 18))
    write("barrel_roll.wav", mix(lowpass(tone(0, 0.18, "noise", 0.7, 0.01, 0.08), 0.05),
                                 tone(55, 0.18, "triangle", 0.5, 0.01, 0.08),
                                 tone(82, 0.18, "triangle", 0.25, 0.01, 0.08)))
    write("sliding.wav", lowpass(tone(0, 0.17, "noise", 0.6, 0.015, 0.06), 0.15))
    write("finish.wav", sequence(*(tone(pitch(n), d, "square", 0.3, 0.01, 0.08) for n, d in
                                   (("C5", 0.15), ("E5", 0.15), ("G5", 0.15), ("C6", 0.3),
                                    ("G5", 0.15), ("C6", 0.6)))))


# The tunes after the first two are kept below the first two's loudness:
# their peak under this ceiling (stage 1 and 2 peak at 0.73 of full scale).
TUNE_CEILING = 0.7


def music():
    noise.seed(5678)  # the tunes' drums do not depend on the effects above
    # Eight-beat bars; stage 1 in C major, stage 2 in A minor.
    m1 = "C5 E5 G5 E5 F5 A5 G5 E5 D5 F5 E5 C5 D5 B4 C5 -".split()
    b1 = "C3 - G2 - F2 - C3 - G2 - C3 - G2 - C3 -".split()
    write("stage1.wav", tune(m1, b1, 0.2, 7))  # 16 beats of 0.2 s, 22.4 s
    m2 = "A4 C5 E5 C5 D5 F5 E5 C5 B4 D5 C5 A4 G#4 B4 A4 -".split()
    b2 = "A2 - E2 - D2 - A2 - E2 - A2 - E2 - A2 -".split()
    write("stage2.wav", tune(m2, b2, 0.22, 7))  # 16 beats of 0.22 s, 24.6 s
    # Dusk, in D minor: slower, a soft triangle lead over a falling bass, the
    # drum on every fourth beat; 32 beats (two phrases) of 0.24 s, 23.0 s.
    m3 = ("D5 - F5 A5 G5 F5 E5 - D5 E5 F5 - C5 - - - "
          "A#4 - D5 F5 E5 D5 C5 - A4 C5 D5 E5 D5 - - -").split()
    b3 = ("D3 - - - A2 - - - A#2 - - - F2 - - - "
          "G2 - - - D3 - - - A2 - - - D3 - - -").split()
    write("stage3.wav", tune(m3, b3, 0.24, 3, "triangle", 0.3, 4), TUNE_CEILING)
    # The mine, in E (Phrygian: the F above E gives it its gloom): a low square
    # lead over a droning bass; 32 beats of 0.25 s, 24.0 s.
    m4 = ("E4 - - G4 F4 - E4 - B3 - - - E4 - - - "
          "G4 - A4 - B4 - A4 G4 F4 - - - E4 - - -").split()
    b4 = ("E2 - E2 - E2 - E2 - F2 - F2 - E2 - E2 - "
          "C2 - C2 - D2 - D2 - F2 - F2 - E2 - - -").split()
    write("stage4.wav", tune(m4, b4, 0.25, 3, "square", 0.12, 4), TUNE_CEILING)
    # Night, in G minor: a quiet lullaby on a triangle, the bass walking in
    # steps; 32 beats of 0.26 s, 25.0 s.
    m5 = ("G4 A#4 D5 - C5 A#4 A4 - G4 A4 A#4 C5 D5 - - - "
          "D#5 - D5 C5 A#4 - A4 - F#4 A4 C5 A4 G4 - - -").split()
    b5 = ("G2 - D3 - G2 - D3 - D#2 - A#2 - D#2 - A#2 - "
          "C3 - G2 - C3 - G2 - D3 - A2 - G2 - - -").split()
    write("stage5.wav", tune(m5, b5, 0.26, 3, "triangle", 0.3, 4), TUNE_CEILING)


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    effects()
    music()
