# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The five sound cues: short 16-bit mono WAV files at 22050 Hz.

Every cue is mixed from a few tones (and, for the slide, filtered noise),
scaled to a comfortable level and given a short fade in and out, so that no
cue starts or ends with a click."""
import array
import io
import math
import sys
import wave

RATE = 22050
PEAK = 0.6  # of full scale: cues sit under whatever else the player hears


class _Mix:
    def __init__(self, seconds):
        self.samples = [0.0] * int(seconds * RATE)

    def tone(self, start, seconds, freq, partials=((1, 1.0),), attack=0.005, decay=0.2,
             glide_to=None, vibrato=0.0, level=1.0):
        """A note with an exponential decay; freq may glide to glide_to."""
        first = int(start * RATE)
        count = min(int(seconds * RATE), len(self.samples) - first)
        phase = 0.0
        for n in range(count):
            t = n / RATE
            f = freq if glide_to is None else freq + (glide_to - freq) * t / seconds
            if vibrato:
                f *= 1 + vibrato * math.sin(2 * math.pi * 5.5 * t)
            phase += 2 * math.pi * f / RATE
            envelope = min(1.0, t / attack) * math.exp(-t / decay)
            value = sum(a * math.sin(k * phase) for k, a in partials)
            self.samples[first + n] += level * envelope * value

    def swept_noise(self, start, seconds, f0, f1, level=1.0, seed=12345):
        """Noise through a resonant band-pass whose centre sweeps f0 -> f1."""
        first = int(start * RATE)
        count = min(int(seconds * RATE), len(self.samples) - first)
        low = band = 0.0
        state = seed
        for n in range(count):
            t = n / count
            state = (state * 1103515245 + 12345) & 0x7FFFFFFF
            noise = state / 0x3FFFFFFF - 1.0
            f = 2 * math.sin(math.pi * (f0 + (f1 - f0) * t) / RATE)
            high = noise - low - 0.35 * band
            band += f * high
            low += f * band
            self.samples[first + n] += level * math.sin(math.pi * t) ** 2 * band

    def wav_bytes(self, fade_in=0.004, fade_out=0.02):
        s = self.samples
        top = max(abs(v) for v in s) or 1.0
        n_in, n_out = int(fade_in * RATE), int(fade_out * RATE)
        out = array.array("h")
        for i, v in enumerate(s):
            gain = PEAK / top
            if i < n_in:
                gain *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
            if i >= len(s) - n_out:
                gain *= 0.5 - 0.5 * math.cos(math.pi * (len(s) - 1 - i) / n_out)
            out.append(int(round(max(-1.0, min(1.0, v * gain)) * 32767)))
        if sys.byteorder == "big":
            out.byteswap()
        buffer = io.BytesIO()
        with wave.open(buffer, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(out.tobytes())
        return buffer.getvalue()


BELL = ((1, 1.0), (2, 0.28), (3, 0.08), (4.2, 0.04))
BRASS = ((1, 1.0), (2, 0.5), (3, 0.3), (4, 0.14), (5, 0.06))


def cambia():
    """A soft two-note chime, rising a fourth."""
    m = _Mix(0.62)
    m.tone(0.0, 0.6, 783.99, BELL, decay=0.16)
    m.tone(0.12, 0.5, 1046.5, BELL, decay=0.18)
    return m.wav_bytes()


def no_mueve():
    """A short, low, falling buzz: the piece stays where it is."""
    m = _Mix(0.22)
    m.tone(0.0, 0.22, 120, ((1, 1.0), (2, 0.5), (3, 0.35), (5, 0.12)), attack=0.004,
           decay=0.07, glide_to=84)
    return m.wav_bytes(fade_out=0.03)


def desplaza():
    """A quick rising swoosh."""
    m = _Mix(0.28)
    m.swept_noise(0.0, 0.28, 450, 2600, level=1.0)
    m.tone(0.0, 0.28, 320, ((1, 1.0),), attack=0.03, decay=0.2, glide_to=900, level=0.08)
    return m.wav_bytes(fade_out=0.04)


def marca():
    """A short wooden tick."""
    m = _Mix(0.06)
    m.tone(0.0, 0.06, 1750, ((1, 1.0), (2.3, 0.4)), attack=0.001, decay=0.012)
    return m.wav_bytes(fade_in=0.001, fade_out=0.01)


def acaba():
    """A bright fanfare: a rising arpeggio into a held major chord."""
    m = _Mix(1.1)
    for k, f in enumerate((523.25, 659.25, 783.99, 1046.5)):
        m.tone(0.1 * k, 0.32, f, BRASS, attack=0.008, decay=0.12, level=0.9)
    for f in (523.25, 659.25, 783.99, 1046.5):
        m.tone(0.42, 0.68, f, BRASS, attack=0.015, decay=0.32, vibrato=0.004, level=0.55)
    return m.wav_bytes(fade_out=0.12)


CUES = {
    "Cambia.wav": cambia,
    "NoMueve.wav": no_mueve,
    "Desplaza.wav": desplaza,
    "Marca.wav": marca,
    "Acaba.wav": acaba,
}
