#!/usr/bin/env python3
"""Reads the music cues back and checks what the game's player relies on.

Usage: python3 tools/make_music/check_midi.py assets/music

Checks every cue file for: a well-formed format-1 header at 480 ticks per quarter, track chunks
whose lengths match their contents, a single end-of-track event closing each track, a
conductor track with tempo and time signature, program and volume set on every channel before
its first note, all-notes-off at the end, drums on channel 10 only, balanced note on/off pairs,
a length inside the cue's window and, for the looping cues, a start without silence and an end
exactly on a bar line. It also rebuilds the cues and compares, so stale files are caught.
Exits with status 1 when anything is wrong.
"""

import os
import sys
import tempfile

# Seconds, as the game uses each cue; loops must also end on a bar line.
CUES = {
    "title": (45, 70, False),
    "main": (60, 90, True),
    "maker": (30, 50, True),
    "yes": (2, 3, False),
    "up": (3, 4, False),
    "down": (3, 4, False),
    "gameover": (8, 15, False),
}
DRUM_CHANNEL = 9


class MidiError(Exception):
    pass


def read_variable_length(data, pos):
    value = 0
    for _ in range(4):
        if pos >= len(data):
            raise MidiError("variable-length number runs past the chunk")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos
    raise MidiError("variable-length number longer than four bytes")


def parse_track(data):
    """-> list of (tick, kind, payload): kind is 'meta' (type, bytes), 'sysex' or a status."""
    events = []
    pos = tick = 0
    status = None
    while pos < len(data):
        delta, pos = read_variable_length(data, pos)
        tick += delta
        if pos >= len(data):
            raise MidiError("event missing after its delta time")
        byte = data[pos]
        if byte == 0xFF:
            kind, (length, pos) = data[pos + 1], read_variable_length(data, pos + 2)
            events.append((tick, "meta", (kind, data[pos : pos + length])))
            pos += length
            status = None
        elif byte in (0xF0, 0xF7):
            length, pos = read_variable_length(data, pos + 1)
            events.append((tick, "sysex", data[pos : pos + length]))
            pos += length
            status = None
        else:
            if byte & 0x80:
                status = byte
                pos += 1
            elif status is None:
                raise MidiError(f"running status without a status byte at offset {pos}")
            size = 1 if status >> 4 in (0xC, 0xD) else 2
            events.append((tick, status, tuple(data[pos : pos + size])))
            pos += size
        if pos > len(data):
            raise MidiError("event runs past the end of its chunk")
    return events


def parse_file(raw):
    """-> (format, division, [track events]); raises MidiError on a malformed file."""
    if raw[:4] != b"MThd" or int.from_bytes(raw[4:8], "big") != 6:
        raise MidiError("missing or wrong-sized MThd header")
    fmt, count, division = (int.from_bytes(raw[i : i + 2], "big") for i in (8, 10, 12))
    tracks = []
    pos = 14
    while pos < len(raw):
        if raw[pos : pos + 4] != b"MTrk":
            raise MidiError(f"expected MTrk at offset {pos}")
        length = int.from_bytes(raw[pos + 4 : pos + 8], "big")
        if pos + 8 + length > len(raw):
            raise MidiError(f"track {len(tracks)} chunk length runs past the end of the file")
        tracks.append(parse_track(raw[pos + 8 : pos + 8 + length]))
        pos += 8 + length
    if len(tracks) != count:
        raise MidiError(f"header announces {count} tracks, file holds {len(tracks)}")
    return fmt, division, tracks


def seconds(tick, tempos, division):
    """Tempo map [(tick, microseconds per quarter)] -> time of tick in seconds."""
    total = 0.0
    for index, (start, tempo) in enumerate(tempos):
        stop = tempos[index + 1][0] if index + 1 < len(tempos) else None
        if stop is None or tick < stop:
            return total + (tick - start) * tempo / division / 1e6
        total += (stop - start) * tempo / division / 1e6
    return total


def check_cue(name, raw):
    """-> (problems, summary)."""
    problems = []
    try:
        fmt, division, tracks = parse_file(raw)
    except MidiError as error:
        return [str(error)], ""
    if fmt != 1:
        problems.append(f"format {fmt}, expected 1")
    if division != 480:
        problems.append(f"{division} ticks per quarter, expected 480")
    if len(tracks) < 2:
        return problems + ["no instrument tracks"], ""

    for number, events in enumerate(tracks):
        ends = [i for i, e in enumerate(events) if e[1] == "meta" and e[2][0] == 0x2F]
        if ends != [len(events) - 1]:
            problems.append(f"track {number}: end-of-track is not the single last event")
    end = tracks[0][-1][0]
    if any(events[-1][0] != end for events in tracks):
        problems.append("tracks end on different ticks")

    conductor = tracks[0]
    tempos = [(t, int.from_bytes(p[1], "big")) for t, k, p in conductor if k == "meta"
              and p[0] == 0x51]
    signatures = [(t, p[1]) for t, k, p in conductor if k == "meta" and p[0] == 0x58]
    if not tempos or tempos[0][0] != 0 or not signatures or signatures[0][0] != 0:
        return problems + ["conductor track lacks tempo or time signature at tick 0"], ""
    if any(isinstance(k, int) for _, k, _ in conductor):
        problems.append("conductor track carries channel events")
    bar = division * 4 * signatures[0][1][0] // (2 ** signatures[0][1][1])

    first_note = None
    for number, events in enumerate(tracks[1:], start=1):
        channels = {k & 0x0F for _, k, _ in events if isinstance(k, int)}
        names = [p[1].decode("ascii", "replace") for _, k, p in events
                 if k == "meta" and p[0] == 0x03]
        label = names[0] if names else f"track {number}"
        if len(channels) != 1:
            problems.append(f"{label}: uses channels {sorted(c + 1 for c in channels)}")
            continue
        channel = channels.pop()
        if (channel == DRUM_CHANNEL) != ("drum" in label):
            problems.append(f"{label}: on channel {channel + 1}; drums belong on 10 only")
        program = volume = False
        sounding = set()
        all_off = False
        for tick, kind, payload in events:
            if not isinstance(kind, int):
                continue
            high = kind >> 4
            if high == 0xC and tick == 0:
                program = True
            elif high == 0xB and payload[0] == 7 and tick == 0:
                volume = True
            elif high == 0xB and payload[0] == 123 and tick == end:
                all_off = True
            elif high == 0x9 and payload[1] > 0:
                if not (program and volume):
                    problems.append(f"{label}: note before program change and volume")
                    program = volume = True
                if payload[0] in sounding:
                    problems.append(f"{label}: note {payload[0]} struck again at {tick} "
                                    "while sounding")
                sounding.add(payload[0])
                first_note = tick if first_note is None else min(first_note, tick)
            elif high == 0x8 or high == 0x9:
                if payload[0] not in sounding:
                    problems.append(f"{label}: note-off for silent note {payload[0]} at {tick}")
                sounding.discard(payload[0])
        if sounding:
            problems.append(f"{label}: notes {sorted(sounding)} never released")
        if not all_off:
            problems.append(f"{label}: no all-notes-off at the end")

    length = seconds(end, tempos, division)
    low, high, loops = CUES[name]
    if not low <= length <= high:
        problems.append(f"lasts {length:.2f} s, outside {low}-{high} s")
    if loops:
        if end % bar:
            problems.append(f"loop ends at tick {end}, not on a bar line ({bar} per bar)")
        if first_note != 0:
            problems.append(f"loop starts with silence: first note at tick {first_note}")
    kind = f"loop of {end // bar} bars" if loops else "one-shot"
    return problems, f"{length:5.2f} s, {len(tracks) - 1} instruments, {kind}"


def rebuilt_cues():
    """The cues as the generator makes them now."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    sys.dont_write_bytecode = True  # keep the source folder clean
    import make_music

    with tempfile.TemporaryDirectory() as folder:
        with open(os.devnull, "w") as quiet:
            stdout, sys.stdout = sys.stdout, quiet
            try:
                make_music.main(["make_music.py", folder])
            finally:
                sys.stdout = stdout
        return {name: open(os.path.join(folder, name + ".mid"), "rb").read() for name in CUES}


def main(argv):
    if len(argv) != 2:
        print("Usage: python3 tools/make_music/check_midi.py assets/music", file=sys.stderr)
        return 2
    fresh = rebuilt_cues()
    failed = False
    for name in CUES:
        path = os.path.join(argv[1], name + ".mid")
        if not os.path.exists(path):
            print(f"{name}.mid: missing")
            failed = True
            continue
        raw = open(path, "rb").read()
        problems, summary = check_cue(name, raw)
        if raw != fresh[name]:
            problems.append("differs from what make_music.py builds now: rebuild it")
        print(f"{name}.mid: {'ok' if not problems else 'FAILED'}  {summary}")
        for problem in problems:
            print(f"    {problem}")
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
