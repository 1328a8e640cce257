"""Scales of the Arabic and Egyptian modes the music is written in, and
pitch arithmetic in scale degrees.

Degrees are integers: 0 is the tonic, 7 the tonic an octave up, -1 the
seventh below it. Only modes playable on a piano-tuned synthesiser are used
(no quarter tones).
"""

MODES = {
    # D Eb F# G A Bb C: the augmented second Eb-F# gives Hijaz its colour.
    "hijaz": [0, 1, 4, 5, 7, 8, 10],
    # Hijaz with a leading note: C Db E F G Ab B.
    "hijazkar": [0, 1, 4, 5, 7, 8, 11],
    # Kurd, the Phrygian-like mode: D Eb F G A Bb C.
    "kurd": [0, 1, 3, 5, 7, 8, 10],
    # Nahawand, close to harmonic minor: C D Eb F G Ab B.
    "nahawand": [0, 2, 3, 5, 7, 8, 11],
}


class Maqam:
    def __init__(self, mode, tonic):
        self.steps = MODES[mode]
        self.tonic = tonic  # MIDI note of degree 0

    def pitch(self, degree):
        octave, index = divmod(degree, 7)
        return self.tonic + 12 * octave + self.steps[index]

    def chord(self, root):
        """Triad stacked in scale thirds on a degree."""
        return [root, root + 2, root + 4]

    def is_chord_tone(self, degree, root):
        return (degree - root) % 7 in (0, 2, 4)
