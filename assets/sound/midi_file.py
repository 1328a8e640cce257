"""Writing Standard MIDI Files (format 0) from a list of timed events.

Times are in beats (floats); they are rounded to ticks here, so the composer
never deals with ticks. Note-offs sort before note-ons at the same tick, so a
repeated note is released before it is struck again.
"""

import struct

PPQ = 480


def _vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


class MidiSong:
    def __init__(self, tempo_bpm):
        self.tempo_bpm = tempo_bpm
        self.events = []  # (tick, order, bytes)
        self.end_beat = 0.0

    def _add(self, beat, order, data):
        tick = max(0, int(round(beat * PPQ)))
        self.events.append((tick, order, len(self.events), bytes(data)))

    def program(self, channel, program, beat=0.0):
        self._add(beat, 0, [0xC0 | channel, program])

    def control(self, channel, controller, value, beat=0.0):
        self._add(beat, 1, [0xB0 | channel, controller, max(0, min(127, int(value)))])

    def note(self, channel, pitch, start, length, velocity):
        if not 0 <= pitch <= 127 or length <= 0:
            return
        velocity = max(1, min(127, int(round(velocity))))
        self._add(start, 3, [0x90 | channel, pitch, velocity])
        self._add(start + length, 2, [0x80 | channel, pitch, 0])
        self.end_beat = max(self.end_beat, start + length)

    def write(self, path, length_beats):
        """Writes the song; the track ends at length_beats, which lets the
        renderer run on past the last note so reverb and releases ring out."""
        micros = int(round(60_000_000 / self.tempo_bpm))
        body = bytearray()
        body += _vlq(0) + bytes([0xFF, 0x51, 3]) + micros.to_bytes(3, "big")
        last = 0
        for tick, _, _, data in sorted(self.events):
            body += _vlq(tick - last) + data
            last = tick
        end_tick = max(last, int(round(length_beats * PPQ)))
        body += _vlq(end_tick - last) + bytes([0xFF, 0x2F, 0])
        with open(path, "wb") as f:
            f.write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, PPQ))
            f.write(b"MTrk" + struct.pack(">I", len(body)) + body)
