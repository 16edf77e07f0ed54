"""Reads the lyrics of a MIDI file with mido, on its own terms, and prints the first word of
each line as a JSON list. Lyric events (all tracks, by time) win over the words of a .kar
(the text events of the track with the most of them starting with a break). Each track ends
at its End of Track. Breaks: CR/LF when the lyrics hold either, else "/" and "<" (and "\\"),
with "^" a blank; .kar words break at "/" and "\\"."""
import json
import re
import sys

import mido


def events(track):
    tick = 0
    for message in track:
        tick += message.time
        if message.type == "end_of_track":
            return
        yield tick, message


midi = mido.MidiFile(sys.argv[1], clip=True)
lyrics = sorted(((tick, message.text) for track in midi.tracks
                 for tick, message in events(track) if message.type == "lyrics"),
                key=lambda pair: pair[0])
if lyrics:
    song = "".join(text for _, text in lyrics)
    pattern = r"[\r\n]" if re.search(r"[\r\n]", song) else r"[/<\\]"
    song = song if pattern == r"[\r\n]" else song.replace("^", " ")
else:
    def words(track):
        return [m.text for _, m in events(track) if m.type == "text"]
    def breaks(track):
        return sum(1 for w in words(track) if w[:1] in ("\\", "/"))
    track = max(midi.tracks, key=breaks)
    song = "".join(w for w in words(track) if not w.startswith("@")) if breaks(track) else ""
    pattern = r"[/\\]"
print(json.dumps([line.split()[0] for line in re.split(pattern, song) if line.strip()]))
