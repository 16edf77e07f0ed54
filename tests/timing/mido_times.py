#!/usr/bin/python3
"""Prints, for each event of a MIDI file's merged track, its absolute tick and its time in
seconds as the mido library computes them; the End of Track the merge closes with has no row
in a listing and is left out. Exits 3 when mido cannot read the file."""
import sys

import mido

try:
    song = mido.MidiFile(sys.argv[1], clip=True)
except Exception as error:  # noqa: BLE001 - any failure of the library means "no answer"
    print(error, file=sys.stderr)
    sys.exit(3)
if song.type == 2:
    sys.exit(3)
tick = 0
seconds = 0.0
tempo = 500000
for message in mido.merge_tracks(song.tracks):
    tick += message.time
    seconds += mido.tick2second(message.time, song.ticks_per_beat, tempo)
    if message.type == "set_tempo":
        tempo = message.tempo
    if message.type != "end_of_track":
        print(tick, repr(seconds))
