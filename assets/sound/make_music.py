"""Makes one music track or end tune: compose MIDI, render it with
FluidSynth, then finish and encode it with tesmoria-audio.

    make_music.py --tool T --fluidsynth F --soundfont SF2 --work DIR NAME OUT.ogg

The render runs a few seconds past the music so notes and reverb ring out;
for a loop that tail is folded back into the start by tesmoria-audio.
"""

import argparse
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import compose  # noqa: E402

RATE = 44100
TAIL_SECONDS = 6.0
# Fixed synthesiser settings: the render depends on nothing but these and the MIDI.
FLUIDSYNTH_SETTINGS = [
    "synth.chorus.active=0",
    "synth.reverb.active=1",
    "synth.reverb.room-size=0.7",
    "synth.reverb.damp=0.4",
    "synth.reverb.width=0.9",
    "synth.reverb.level=0.7",
    "synth.polyphony=256",
    "synth.cpu-cores=1",
]
# Loudness: music sits a little under the effects, the same for every track.
MUSIC_LEVEL = ["--level", "whole", "-21", "--peak", "-1.5"]
TUNE_LEVEL = ["--level", "loudest", "-16", "--peak", "-1"]
# Loops get a finer Vorbis quality: coding noise at the two ends of the stream
# would otherwise show as a small step where the loop joins.
LOOP_QUALITY = ["--quality", "0.6"]


def compose_midi(description, name, midi_path):
    """Writes the MIDI file and returns (loop frames or 0, is a tune)."""
    instruments = description["instruments"]
    if name in description["tracks"]:
        recipe = description["tracks"][name]
        track = compose.Track(name, recipe, instruments)
        beats = track.compose()
        song = track.song
        loop_frames = beats * 60.0 * RATE / recipe["tempo"] if recipe["loop"] else 0
        if not recipe["loop"]:
            beats = song.end_beat
        tune = False
    elif name in description["tunes"]:
        recipe = description["tunes"][name]
        song = compose.compose_tune(recipe, instruments)
        beats, loop_frames, tune = song.end_beat, 0, True
    else:
        sys.exit("make_music.py: no track or tune named " + name)
    if loop_frames and abs(loop_frames - round(loop_frames)) > 1e-6:
        sys.exit("make_music.py: %s does not loop on a whole sample; pick another tempo" % name)
    song.write(midi_path, beats + TAIL_SECONDS * recipe["tempo"] / 60.0)
    return int(round(loop_frames)), tune


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--fluidsynth", required=True)
    parser.add_argument("--soundfont", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--description", default=os.path.join(HERE, "music.json"))
    parser.add_argument("name")
    parser.add_argument("out")
    args = parser.parse_args()

    with open(args.description) as f:
        description = json.load(f)
    os.makedirs(args.work, exist_ok=True)
    midi_path = os.path.join(args.work, args.name + ".mid")
    render_path = os.path.join(args.work, args.name + ".render.wav")
    loop_frames, tune = compose_midi(description, args.name, midi_path)

    render = [args.fluidsynth, "-n", "-i", "-q", "-F", render_path, "-O", "float", "-T", "wav",
              "-r", str(RATE), "-g", "0.6"]
    for setting in FLUIDSYNTH_SETTINGS:
        render += ["-o", setting]
    subprocess.run(render + [args.soundfont, midi_path], check=True, stdin=subprocess.DEVNULL)

    finish = [args.tool, "master", render_path, args.out]
    if loop_frames:
        finish += ["--loop", str(loop_frames)] + MUSIC_LEVEL + LOOP_QUALITY
    elif tune:
        finish += ["--trim"] + TUNE_LEVEL
    else:
        finish += ["--trim"] + MUSIC_LEVEL
    subprocess.run(finish, check=True)
    os.remove(render_path)  # large, and only a step on the way


if __name__ == "__main__":
    main()
