"""Composes the game's music as MIDI files from music.json.

Every track is built from sections of bars; each section names the layers
that play (a lead melody with an answering voice, oud, harp, a drone, bass,
pad, frame drum and riq). Melodies are written phrase by phrase in the
track's mode: a question, an answer, the question again a step higher and a
closing phrase that comes home to the tonic, the shape of much Egyptian
folk and art music. All choices come from a random generator seeded by the
track, so the same description always gives the same MIDI bytes.
"""

import random

from maqam import Maqam
from midi_file import MidiSong

BEATS_PER_BAR = 4
DRUM_CHANNEL = 9
CHANNELS = {"lead": 0, "answer": 1, "oud": 2, "harp": 3, "drone": 4, "bass": 5, "pad": 6}
DOUM, TEK, RIQ, CYMBAL = 64, 62, 54, 81

# Frame-drum patterns: (beat in bar, stroke, velocity).
RHYTHMS = {
    "maqsum": [(0, DOUM, 62), (0.5, TEK, 44), (1.5, TEK, 46), (2, DOUM, 58), (3, TEK, 46), (3.5, TEK, 30)],
    "baladi": [(0, DOUM, 62), (0.5, DOUM, 50), (1.5, TEK, 46), (2, DOUM, 58), (3, TEK, 46)],
    "wahda": [(0, DOUM, 54), (2.5, TEK, 36), (3, TEK, 40)],
}

# Calm rhythms for one bar of melody (beats), and for the last bar of a
# phrase, which ends on a held note.
BAR_RHYTHMS = [[2, 1, 1], [1.5, 0.5, 2], [1, 1, 2], [1, 0.5, 0.5, 2], [0.5, 0.5, 1, 2], [3, 1], [1, 1, 1, 1], [1.5, 0.5, 1, 1]]
CLOSING_RHYTHMS = [[1, 1, 2], [2, 2], [1.5, 0.5, 2], [4], [1, 3]]
STEP_CHOICES = [-3, -2, -1, 0, 1, 2, 3]
STEP_WEIGHTS = [0.04, 0.12, 0.32, 0.08, 0.30, 0.10, 0.04]
WIND_INSTRUMENTS = ("ney", "flute")


class Track:
    def __init__(self, name, recipe, instruments):
        self.name = name
        self.recipe = recipe
        self.rng = random.Random(recipe["seed"])
        self.maqam = Maqam(recipe["mode"], recipe["tonic"])
        self.song = MidiSong(recipe["tempo"])
        self.voices = recipe["voices"]
        for voice, channel in CHANNELS.items():
            if voice in self.voices:
                self.song.program(channel, instruments[self.voices[voice]])
                self.song.control(channel, 7, 100)
                self.song.control(channel, 91, 72)  # reverb send
                self.song.control(channel, 11, 100)
        self.song.control(DRUM_CHANNEL, 7, 100)
        self.song.control(DRUM_CHANNEL, 91, 45)
        self.total_bars = sum(s["bars"] for s in recipe["sections"])

    # -- helpers --------------------------------------------------------
    def chord_root(self, bar):
        """The progression moves every two bars and repeats."""
        progression = self.recipe["progression"]
        return progression[(bar // 2) % len(progression)]

    def humanise(self, beat, amount=0.02):
        return max(0.0, beat + self.rng.uniform(-amount, amount))

    def note(self, voice, degree, start, length, velocity, octave=0):
        pitch = self.maqam.pitch(degree) + 12 * octave
        self.song.note(CHANNELS[voice], pitch, self.humanise(start), length, velocity + self.rng.uniform(-5, 5))

    # -- melody -----------------------------------------------------------
    def phrase_rhythm(self, bars):
        bar_rhythms = [self.rng.choice(BAR_RHYTHMS) for _ in range(bars - 1)]
        return bar_rhythms + [self.rng.choice(CLOSING_RHYTHMS)]

    def phrase_pitches(self, rhythm, first_bar, start_degree, goal):
        """Walks the mode by mostly small steps, leaning on chord tones on
        the strong beats and drifting to the goal degree at the end."""
        degrees = []
        degree = start_degree
        beat = 0.0
        notes = [d for bar in rhythm for d in bar]
        for index, length in enumerate(notes):
            remaining = len(notes) - index
            if remaining <= 3:
                gap = goal - degree
                degree += max(-2, min(2, gap)) if remaining > 1 else gap
            elif index > 0:
                degree += self.rng.choices(STEP_CHOICES, STEP_WEIGHTS)[0]
            degree = max(-1, min(9, degree))
            bar = first_bar + int(beat // BEATS_PER_BAR)
            root = self.chord_root(bar)
            strong = beat % 2 == 0
            if strong and remaining > 3 and not self.maqam.is_chord_tone(degree, root) and self.rng.random() < 0.7:
                degree += 1 if self.maqam.is_chord_tone(degree + 1, root) else -1
            degrees.append(degree)
            beat += length
        return list(zip(notes, degrees))

    def play_phrase(self, voice, start_bar, notes, level, octave=0):
        beat = start_bar * BEATS_PER_BAR
        end = beat + sum(length for length, _ in notes)
        channel = CHANNELS[voice]
        # Breath: the expression swells through the phrase and relaxes at its end.
        steps = int((end - beat) * 2)
        for i in range(steps + 1):
            t = i / max(1, steps)
            self.song.control(channel, 11, 78 + 40 * (4 * t * (1 - t)), beat + i * 0.5)
        previous = None
        for length, degree in notes:
            velocity = 60 + 22 * level
            if length >= 1.5 and previous is not None and self.rng.random() < 0.35 and voice == "lead":
                # A short grace note from above, the ney's typical ornament.
                self.note(voice, degree + 1, beat, 0.12, velocity - 12, octave)
                self.note(voice, degree, beat + 0.12, length - 0.14, velocity, octave)
            else:
                self.note(voice, degree, beat, length * 0.96, velocity, octave)
            if length >= 1.5 and self.voices[voice] in WIND_INSTRUMENTS:
                self.vibrato(channel, beat, length)
            previous = degree
            beat += length

    def vibrato(self, channel, start, length):
        """A held wind note blooms into a gentle vibrato in its second half."""
        for i in range(5):
            self.song.control(channel, 1, 10 * i, start + length * (0.5 + 0.1 * i))
        self.song.control(channel, 1, 0, start + length)

    def melody(self, first_bar, bars, section, level):
        """Four-phrase periods: question, answer, question raised, close."""
        phrase_bars = 2
        question = None
        degree = self.rng.choice([0, 2, 4])
        for index, bar in enumerate(range(first_bar, first_bar + bars, phrase_bars)):
            role = index % 4
            goal = {0: self.rng.choice([3, 4]), 1: self.rng.choice([1, 4]), 2: self.rng.choice([4, 5]), 3: 0}[role]
            if role == 2 and question:
                # The question again, one or two steps higher, landing on its own goal.
                shift = self.rng.choice([1, 2])
                notes = [(length, min(9, d + shift)) for length, d in question]
                notes[-1] = (notes[-1][0], goal)
            else:
                notes = self.phrase_pitches(self.phrase_rhythm(phrase_bars), bar, degree, goal)
            if role == 0:
                question = notes
            voice = "answer" if role % 2 == 1 and section.get("answer") else "lead"
            if not section.get("lead"):
                voice = "answer"
            self.play_phrase(voice, bar, notes, level)
            if section.get("oud") == "double":
                self.oud_heterophony(bar, notes, level)
            degree = notes[-1][1]

    def oud_heterophony(self, bar, notes, level):
        """The oud shadows the melody an octave down, keeping its long notes
        alive with the tremolo of the plectrum."""
        beat = bar * BEATS_PER_BAR
        for length, degree in notes:
            if length >= 2:
                for k in range(int(length * 4) - 1):
                    self.note("oud", degree - 7, beat + k * 0.25, 0.24, 46 + 14 * level - (k % 2) * 10)
            elif length >= 1:
                self.note("oud", degree - 7, beat, length * 0.9, 54 + 14 * level)
            beat += length

    # -- accompaniment ---------------------------------------------------
    def harp(self, first_bar, bars, style, level):
        for bar in range(first_bar, first_bar + bars):
            root = self.chord_root(bar)
            tones = [d for d in self.maqam.chord(root)] + [d + 7 for d in self.maqam.chord(root)]
            start = bar * BEATS_PER_BAR
            if style == "rolled":
                for i, degree in enumerate(tones + [root + 14]):
                    self.note("harp", degree, start + i * 0.09, 3.8 - i * 0.09, 40 + 14 * level)
            elif style == "arp8":
                order = tones + list(reversed(tones[1:-1]))
                for i in range(8):
                    self.note("harp", order[i % len(order)], start + i * 0.5, 0.9, (50 if i % 4 == 0 else 38) + 12 * level)
            else:  # arp4
                for i in range(4):
                    self.note("harp", tones[(i * 2) % len(tones)], start + i, 1.8, (48 if i == 0 else 38) + 12 * level)

    def oud_ostinato(self, first_bar, bars, level):
        pattern = [(0, 0, 1.0), (1.5, 4, 0.5), (2, 7, 1.0), (3, 4, 0.5), (3.5, 2, 0.5)]
        for bar in range(first_bar, first_bar + bars):
            root = self.chord_root(bar)
            for beat, offset, length in pattern:
                accent = 62 if beat == 0 else 48
                self.note("oud", root + offset - 7, bar * BEATS_PER_BAR + beat, length * 0.9, accent + 12 * level)

    def drone(self, first_bar, bars, level):
        start = first_bar * BEATS_PER_BAR
        length = bars * BEATS_PER_BAR
        self.song.note(CHANNELS["drone"], self.maqam.pitch(-7), start, length - 0.05, 44 + 16 * level)
        self.song.note(CHANNELS["drone"], self.maqam.pitch(-3), start, length - 0.05, 38 + 14 * level)

    def pad(self, first_bar, bars, level):
        for bar in range(first_bar, first_bar + bars, 2):
            root = self.chord_root(bar)
            span = min(2, first_bar + bars - bar) * BEATS_PER_BAR
            for degree in self.maqam.chord(root):
                self.song.note(CHANNELS["pad"], self.maqam.pitch(degree), bar * BEATS_PER_BAR, span - 0.1, 34 + 12 * level)

    def bass(self, first_bar, bars, level):
        for bar in range(first_bar, first_bar + bars):
            root = self.chord_root(bar)
            self.note("bass", root - 14, bar * BEATS_PER_BAR, 1.8, 56 + 12 * level)
            self.note("bass", root - 10, bar * BEATS_PER_BAR + 2, 1.8, 46 + 12 * level)

    def drums(self, first_bar, bars, rhythm, riq, level):
        for bar in range(first_bar, first_bar + bars):
            start = bar * BEATS_PER_BAR
            for beat, stroke, velocity in RHYTHMS[rhythm]:
                self.song.note(DRUM_CHANNEL, stroke, self.humanise(start + beat, 0.01), 0.2, (velocity + self.rng.uniform(-4, 4)) * level)
            if riq:
                # The riq's jingles are bright: a light touch on the off-beats only.
                for i in range(4):
                    self.song.note(DRUM_CHANNEL, RIQ, self.humanise(start + i + 0.5, 0.01), 0.2, (20 if i == 1 else 15) * level)
            if (bar - first_bar) % 4 == 0:
                self.song.note(DRUM_CHANNEL, CYMBAL, start, 1.0, 24 * level)

    # -- the whole piece -----------------------------------------------
    def compose(self):
        bar = 0
        for section in self.recipe["sections"]:
            bars, level = section["bars"], section.get("level", 0.8)
            if section.get("lead") or section.get("answer"):
                self.melody(bar, bars, section, level)
            if section.get("harp"):
                self.harp(bar, bars, section["harp"], level)
            if section.get("oud") == "ostinato":
                self.oud_ostinato(bar, bars, level)
            if section.get("drone"):
                self.drone(bar, bars, level)
            if section.get("pad"):
                self.pad(bar, bars, level)
            if section.get("bass"):
                self.bass(bar, bars, level)
            if section.get("drum"):
                self.drums(bar, bars, section["drum"], section.get("riq", False), level)
            if section.get("ending"):
                self.ending(bar + bars)
            bar += bars
        return bar * BEATS_PER_BAR

    def ending(self, bar):
        """A last held tonic chord after the final section."""
        start = bar * BEATS_PER_BAR
        for degree in (-7, -3, 0, 2, 4, 7):
            voice = "harp" if degree >= 0 else "drone"
            self.song.note(CHANNELS[voice], self.maqam.pitch(degree), start + max(0, degree) * 0.03, 6, 52)


def compose_tune(recipe, instruments):
    """An end tune written out note by note."""
    maqam = Maqam(recipe["mode"], recipe["tonic"])
    song = MidiSong(recipe["tempo"])
    for voice, instrument in recipe["voices"].items():
        if voice == "drum":
            song.control(DRUM_CHANNEL, 91, 45)
            continue
        song.program(CHANNELS[voice], instruments[instrument])
        song.control(CHANNELS[voice], 91, 72)
    for beat, length, value, voice, velocity in recipe["notes"]:
        if voice == "drum":
            song.note(DRUM_CHANNEL, value, beat, length, velocity)
        else:
            song.note(CHANNELS[voice], maqam.pitch(value), beat, length, velocity)
    return song
