#!/usr/bin/env python3
"""Writes the game's seven music cues as General MIDI files.

Usage: python3 tools/make_music/make_music.py OUTPUT_FOLDER

Every cue is written below as musical text: note names with durations, chord symbols per bar,
16-step rhythm patterns for comping and drums, and bass lines written as chord degrees. The
small engine at the top turns that text into Standard MIDI Files (format 1, 480 ticks per
quarter) for FluidSynth with a General MIDI soundfont. Output is deterministic, so rebuilding
without changes gives byte-identical files.
"""

import os
import random
import re
import struct
import sys

PPQ = 480
STEP = PPQ // 4  # one sixteenth, the grid of every rhythm pattern
BAR = 4 * PPQ  # every cue is in 4/4
DRUM_CHANNEL = 9  # General MIDI channel 10

# ---------------------------------------------------------------------------------------------
# Musical vocabulary

DURATIONS = {"w": 1920, "h": 960, "q": 480, "e": 240, "s": 120, "32": 60}

PITCH_CLASSES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}

# Intervals above the root, listed root, third, fifth, seventh, then extensions, so that the
# voicing code can drop from the front (root) and from the fifth when it needs fewer notes.
CHORD_QUALITIES = {
    "": (0, 4, 7),
    "6": (0, 4, 7, 9),
    "69": (0, 4, 7, 9, 14),
    "add9": (0, 4, 7, 14),
    "maj7": (0, 4, 7, 11),
    "maj9": (0, 4, 7, 11, 14),
    "7": (0, 4, 7, 10),
    "9": (0, 4, 7, 10, 14),
    "13": (0, 4, 7, 10, 14, 21),
    "7b9": (0, 4, 7, 10, 13),
    "7#9": (0, 4, 7, 10, 15),
    "sus4": (0, 5, 7),
    "7sus4": (0, 5, 7, 10),
    "9sus4": (0, 5, 7, 10, 14),
    "m": (0, 3, 7),
    "madd9": (0, 3, 7, 14),
    "m6": (0, 3, 7, 9),
    "m7": (0, 3, 7, 10),
    "m9": (0, 3, 7, 10, 14),
    "m7b5": (0, 3, 6, 10),
    "dim7": (0, 3, 6, 9),
    "aug": (0, 4, 8),
}

# General MIDI program numbers (0-based), by the names used in the cues.
PROGRAMS = {
    "acoustic grand piano": 0,
    "bright acoustic piano": 1,
    "electric piano 1": 4,
    "electric piano 2": 5,
    "glockenspiel": 9,
    "vibraphone": 11,
    "electric guitar (muted)": 28,
    "electric bass (finger)": 33,
    "slap bass 1": 36,
    "synth bass 2": 39,
    "cello": 42,
    "contrabass": 43,
    "tremolo strings": 44,
    "string ensemble 1": 48,
    "string ensemble 2": 49,
    "synth strings 1": 50,
    "timpani": 47,
    "trumpet": 56,
    "trombone": 57,
    "french horn": 60,
    "brass section": 61,
    "synth brass 1": 62,
    "oboe": 68,
    "bassoon": 70,
    "clarinet": 71,
    "flute": 73,
    "lead 1 (square)": 80,
    "lead 2 (sawtooth)": 81,
    "drum kit": 0,
}

DRUM_KEYS = {
    "kick": 36,
    "side stick": 37,
    "snare": 38,
    "clap": 39,
    "low floor tom": 41,
    "closed hat": 42,
    "pedal hat": 44,
    "low tom": 45,
    "open hat": 46,
    "mid tom": 47,
    "crash": 49,
    "high tom": 50,
    "ride": 51,
    "tambourine": 54,
    "shaker": 70,
}
CYMBALS = {"crash", "ride", "open hat"}

DRUM_HITS = {"X": 1.2, "x": 1.0, "o": 0.45}  # accent, normal, ghost


def parse_duration(text):
    """'q', 'e.', 'et' (triplet), 'h+e' (sum) -> ticks."""
    total = 0
    for piece in text.split("+"):
        m = re.fullmatch(r"(w|h|q|e|s|32)(\.?)(t?)", piece)
        if not m:
            raise ValueError(f"bad duration {text!r}")
        ticks = DURATIONS[m[1]]
        if m[2]:
            ticks += ticks // 2
        if m[3]:
            ticks = ticks * 2 // 3
        total += ticks
    return total


def pitch_class(name):
    m = re.fullmatch(r"([A-G])([#b]?)", name)
    if not m:
        raise ValueError(f"bad pitch class {name!r}")
    return (PITCH_CLASSES[m[1]] + (m[2] == "#") - (m[2] == "b")) % 12


def note_number(name):
    """'C4' is middle C (60); sharps and flats as '#' and 'b'."""
    m = re.fullmatch(r"([A-G])([#b]?)(-?\d)", name)
    if not m:
        raise ValueError(f"bad note name {name!r}")
    return 12 * (int(m[3]) + 1) + PITCH_CLASSES[m[1]] + (m[2] == "#") - (m[2] == "b")


class Chord:
    def __init__(self, symbol):
        m = re.fullmatch(r"([A-G][#b]?)([^/]*)(?:/([A-G][#b]?))?", symbol)
        if not m or m[2] not in CHORD_QUALITIES:
            raise ValueError(f"bad chord symbol {symbol!r}")
        self.symbol = symbol
        self.root = pitch_class(m[1])
        self.intervals = CHORD_QUALITIES[m[2]]
        self.bass = pitch_class(m[3]) if m[3] else self.root

    def degree(self, name):
        """Interval above the root for a bass-line degree: 3, 5 and 7 follow the quality."""
        options = {"3": (4, 3, 5), "5": (7, 6, 8), "7": (10, 11, 9)}[name]
        for interval in options:
            if interval in self.intervals:
                return interval
        return 12

    def voicing_classes(self, max_notes, drop_root):
        kept = list(self.intervals)
        if drop_root and len(kept) > max_notes:
            kept.remove(0)  # the bass has the root
        for droppable in (7, 17):
            if len(kept) > max_notes and droppable in kept:
                kept.remove(droppable)
        return sorted({(self.root + i) % 12 for i in kept[:max_notes]})


def voicing(chord, low, high, previous=None, max_notes=4, drop_root=True):
    """Close-position voicing inside [low, high], nearest to the previous one."""
    classes = chord.voicing_classes(max_notes, drop_root)
    candidates = []
    for rotation in range(len(classes)):
        order = classes[rotation:] + classes[:rotation]
        first = low + (order[0] - low) % 12
        while first <= high:
            notes = [first]
            for pc in order[1:]:
                notes.append(notes[-1] + 1 + (pc - notes[-1] - 1) % 12)
            if notes[-1] <= high:
                candidates.append(notes)
            first += 12
    if not candidates:
        raise ValueError(f"{chord.symbol} does not fit between {low} and {high}")

    def distance(notes):
        if previous:
            return sum(min(abs(n - p) for p in previous) for n in notes) + sum(
                min(abs(n - p) for n in notes) for p in previous
            )
        return abs(sum(notes) / len(notes) - (low + high) / 2)

    return min(candidates, key=lambda notes: (distance(notes), notes))


# ---------------------------------------------------------------------------------------------
# Cues, parts and the helpers that write notes into them


class Part:
    def __init__(self, name, program, channel, volume, pan=64, reverb=40, chorus=0):
        self.name = name
        self.program = PROGRAMS[program]
        self.channel = channel
        self.volume = volume
        self.pan = pan
        self.reverb = reverb
        self.chorus = chorus
        self.notes = []  # [start, length, pitch, velocity, staccato]

    @property
    def is_drums(self):
        return self.channel == DRUM_CHANNEL

    def add(self, start, length, pitch, velocity, staccato=False):
        self.notes.append([start, length, pitch, max(1, min(127, round(velocity))), staccato])
        return len(self.notes) - 1


class Cue:
    def __init__(self, name, tempo, loop, tail=0, swing=0, level=1.0, touch=1.0):
        self.name = name
        self.tempos = [(0, tempo)]
        self.loop = loop
        self.tail = tail  # silence kept after the last note of a one-shot cue, for the release
        self.swing = swing  # ticks by which off-beat sixteenths are played late
        self.level = level  # scales every channel volume, to even out loudness between cues
        self.touch = touch  # scales every velocity: how hard the band plays
        self.parts = []
        self.changes = []  # (tick, Chord), sorted
        self.length = None  # set for loops: the cue ends exactly on this bar line

    def part(self, *args, **kwargs):
        channel = len([p for p in self.parts if not p.is_drums])
        if channel >= DRUM_CHANNEL:
            channel += 1
        self.parts.append(Part(*args, channel=channel, **kwargs))
        return self.parts[-1]

    def drum_part(self, volume, reverb=40):
        self.parts.append(Part("drums", "drum kit", DRUM_CHANNEL, volume, reverb=reverb))
        return self.parts[-1]

    def chords(self, first_bar, text):
        """'| Fmaj7 | Em7b5 A7 |': the chords of a bar share it evenly; '.' holds the last."""
        bars = [b.split() for b in text.split("|") if b.strip()]
        for index, names in enumerate(bars):
            start = bar_tick(first_bar + index)
            for slot, name in enumerate(names):
                if name != ".":
                    self.changes.append((start + slot * BAR // len(names), Chord(name)))
        self.changes.sort(key=lambda change: change[0])

    def chord_at(self, tick):
        current = self.changes[0][1]
        for start, chord in self.changes:
            if start > tick:
                break
            current = chord
        return current

    def next_change(self, tick):
        return next((start for start, _ in self.changes if start > tick), None)

    def following_chord(self, tick):
        """The next chord after tick; a loop's last chord is followed by its first."""
        change = self.next_change(tick)
        if change is None:
            return self.changes[0][1] if self.loop else self.chord_at(tick)
        return self.chord_at(change)

    def chord_for(self, start, length):
        """A note struck up to an eighth before a chord change and held across it belongs to the
        new chord: that anticipation is the push of this style."""
        change = self.next_change(start)
        if change is not None and change < start + length and change - start <= 2 * STEP:
            return self.chord_at(change), None
        return self.chord_at(start), change


def bar_tick(bar):
    return (bar - 1) * BAR


def expand(sequence):
    """'groove*3 fill' -> ['groove', 'groove', 'groove', 'fill']."""
    names = []
    for token in sequence.split():
        name, _, count = token.partition("*")
        names += [name] * int(count or 1)
    return names


NOTE_TOKEN = re.compile(r"(>?)([^:~!]+)(?::([^~!]+))?(~?)(!?)")


def melody(cue, part, first_bar, text, velocity=90, transpose=0):
    """Notes as 'NAME:DURATION': 'r' rests, 'C5,E5' is a chord, '~' ties into the next note of
    the same pitch, '!' is staccato, '>' accents, '|' checks that a bar line falls there."""
    tick = origin = bar_tick(first_bar)
    ties = {}
    length = PPQ
    for token in text.split():
        if token == "|":
            if (tick - origin) % BAR:
                raise ValueError(f"{cue.name}/{part.name}: bar check failed in bar {first_bar}+")
            continue
        m = NOTE_TOKEN.fullmatch(token)
        if not m:
            raise ValueError(f"{cue.name}/{part.name}: bad token {token!r}")
        accent, names, duration, tie, staccato = m.groups()
        length = parse_duration(duration) if duration else length
        new_ties = {}
        if names != "r":
            for name in names.split(","):
                pitch = note_number(name) + transpose
                if pitch in ties:
                    index = ties[pitch]
                    part.notes[index][1] += length
                    part.notes[index][4] = bool(staccato)
                else:
                    vel = velocity + (14 if accent else 0)
                    index = part.add(tick, length, pitch, vel, bool(staccato))
                if tie:
                    new_ties[pitch] = index
        ties = new_ties
        tick += length
    return tick


def cascade(chord, top, count, duration):
    """Melody text of chord tones falling from the note 'top': balls running down the board."""
    chord = Chord(chord)
    pitch = note_number(top)
    tones = []
    while len(tones) < count:
        if (pitch - chord.root) % 12 in {i % 12 for i in chord.intervals}:
            tones.append(pitch)
        pitch -= 1
    names = ["C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"]
    return " ".join(f"{names[p % 12]}{p // 12 - 1}:{duration}!" for p in tones)


def bassline(cue, part, first_bar, sequence, patterns, velocity=100, low=28):
    """Patterns of 'DEGREE:DURATION' with degrees R (bass note of the chord), 3, 5, 7,
    8 (octave), 5_ (fifth below), A (half step below the next chord's bass), x (dead note)
    and r (rest). Degrees are taken from the chord sounding at the note."""
    for offset, name in enumerate(expand(sequence)):
        tick = bar_tick(first_bar + offset)
        for token in patterns[name].split():
            m = NOTE_TOKEN.fullmatch(token)
            accent, degree, duration, _, staccato = m.groups()
            length = parse_duration(duration)
            chord, _ = cue.chord_for(tick, length)
            bass = low + (chord.bass - low) % 12
            root = low + (chord.root - low) % 12
            vel = velocity + (14 if accent else 0)
            pitch = None
            if degree == "R":
                pitch = bass
            elif degree == "8":
                pitch = bass + 12
            elif degree in ("3", "5", "7"):
                pitch = root + chord.degree(degree)
            elif degree == "5_":
                pitch = root + chord.degree("5") - 12
            elif degree == "A":
                target = cue.following_chord(tick)
                pitch = low + (target.bass - low) % 12 - 1
            elif degree == "x":
                part.add(tick, min(length, 60), bass, velocity * 0.45, True)
            elif degree != "r":
                raise ValueError(f"{cue.name}/{part.name}: bad bass degree {degree!r}")
            if pitch is not None:
                part.add(tick, length, pitch, vel, bool(staccato))
            tick += length
        if tick != bar_tick(first_bar + offset + 1):
            raise ValueError(f"{cue.name}/{part.name}: bass pattern {name!r} is not one bar")


def comp(cue, part, first_bar, sequence, patterns, low, high, velocity=80, max_notes=4):
    """16-step patterns: 'x' strikes the chord of the moment, 'X' accents it, '-' holds,
    '.' rests. A held chord stops at the next chord change unless it anticipates it."""
    previous = None
    for offset, name in enumerate(expand(sequence)):
        pattern = patterns[name]
        if len(pattern) != 16:
            raise ValueError(f"{cue.name}/{part.name}: pattern {name!r} is not 16 steps")
        for step, char in enumerate(pattern):
            if char not in "xX":
                continue
            run = 1
            while step + run < 16 and pattern[step + run] == "-":
                run += 1
            start = bar_tick(first_bar + offset) + step * STEP
            length = run * STEP
            chord, change = cue.chord_for(start, length)
            if change is not None and change < start + length:
                length = change - start
            previous = voicing(chord, low, high, previous, max_notes)
            for pitch in previous:
                vel = velocity * DRUM_HITS[char]
                part.add(start, length, pitch, vel, run == 1)


def pad(cue, part, first_bar, last_bar, low, high, velocity=70, max_notes=4):
    """One held voicing per chord from first_bar to the end of last_bar."""
    start, end = bar_tick(first_bar), bar_tick(last_bar + 1)
    previous = None
    tick = start
    while tick < end:
        change = cue.next_change(tick)
        stop = min(change, end) if change is not None else end
        previous = voicing(cue.chord_at(tick), low, high, previous, max_notes)
        for pitch in previous:
            part.add(tick, stop - tick, pitch, velocity)
        tick = stop


def arpeggio(cue, part, first_bar, sequence, patterns, low, velocity=70):
    """Patterns of 'INDEX:DURATION': index 0 is the chord's bass note at or above 'low', then
    chord tones upwards. Each note rings to the end of its chord, like a held pedal."""
    for offset, name in enumerate(expand(sequence)):
        tick = bar_tick(first_bar + offset)
        for token in patterns[name].split():
            index, duration = token.split(":")
            length = parse_duration(duration)
            chord = cue.chord_at(tick)
            bass = low + (chord.bass - low) % 12
            tones = [bass] + [
                p for p in range(bass + 1, bass + 40) if (p - chord.root) % 12 in
                {i % 12 for i in chord.intervals}
            ]
            change = cue.next_change(tick)
            ring = (change if change is not None else tick + BAR) - tick
            part.add(tick, max(length, ring), tones[int(index)], velocity)
            tick += length


def drums(cue, part, first_bar, sequence, patterns, velocity=100, cymbal_length=BAR):
    """Patterns are {instrument: 16-step string}; 'X' accent, 'x' hit, 'o' ghost."""
    for offset, name in enumerate(expand(sequence)):
        for instrument, steps in patterns[name].items():
            if len(steps) != 16:
                raise ValueError(f"{cue.name}: drum pattern {name}/{instrument} is not 16 steps")
            for step, char in enumerate(steps):
                if char in DRUM_HITS:
                    start = bar_tick(first_bar + offset) + step * STEP
                    length = cymbal_length if instrument in CYMBALS else STEP
                    part.add(start, length, DRUM_KEYS[instrument], velocity * DRUM_HITS[char])


# ---------------------------------------------------------------------------------------------
# The cues


def title_cue():
    """Title picture and victory ending, played once: a sunny city-pop theme in F."""
    cue = Cue("title", tempo=116, loop=False, tail=3 * PPQ, level=1.15, touch=0.87)
    cue.chords(1, """
        | Bbmaj7      | Am7 D7b9    | Gm7         | Gm7/C C7    |
        | Fmaj7       | Em7b5 A7    | Dm7         | Cm7 F7      |
        | Bbmaj7      | Am7 D7      | Gm7         | Gm7/C C7    |
        | Bbmaj7 C/Bb | Am7 Dm7     | Gm7 C7      | Fmaj7 F7    |
        | Bbmaj7 C/Bb | Am7 D7      | Gm7 Abdim7  | Gm7/C C7    |
        | Bbmaj7 C/Bb | Am7 D7      | Dbmaj7      | Ebmaj7      |
        | Fmaj9 |""")

    lead = cue.part("lead", "lead 2 (sawtooth)", volume=100, pan=64, reverb=60, chorus=40)
    melody(cue, lead, 5, """
        r:q A4:e C5 F5 E5 C5 D5~      | D5:q. r:e C#5 D5 E5 G5~ |
        G5:q F5:e E5 F5:h             | r:e Eb5 D5 C5 A4 C5 Eb5 D5~ |
        D5:h. r:e F5                  | E5:e F5 E5 C5 F#5:q. A5:e~ |
        A5:q G5:e F5 D5:q Bb4:e C5~   | C5:h r:q G4:e Bb4 |""")
    chorus_hook = "F5:e G5 A5 C6~ C6:q A5:e G5"
    melody(cue, lead, 13, f"""
        {chorus_hook}                 | A5:q. G5:e F5 E5 F5 A5~ |
        A5:q G5 r:e F5 G5 E5~         | E5:q. F5:e C5:h |
        {chorus_hook.replace("A5:e G5", "D6:e C6")} | A5:q. G5:e F#5 A5 C6 D6~ |
        D6:q Bb5:e A5 Ab5 B5 D6 F6~   | F6:q. D6:e C6:q r |
        {chorus_hook}                 | A5:q. G5:e F#5 E5 D5 C5~ |
        C5:q. Db5:e F5:q Ab5          | G5:q Bb5 C6 D6 |
        C6:w |""")

    brass = cue.part("brass", "synth brass 1", volume=70, pan=44, reverb=50)
    comp(cue, brass, 1, "stab*3 stab_turn rest*8 backbeat*8 backbeat*2 long*3", {
        "rest": "................",
        "stab": "X..X..X.........",
        "stab_turn": "X...X...X.X.X-..",
        "backbeat": "......X-......X-",
        "long": "X---------------",
    }, low=58, high=75, velocity=92)

    keys = cue.part("electric piano", "electric piano 2", volume=86, pan=84, reverb=50, chorus=60)
    comp(cue, keys, 1, "push*24 long", {
        "push": "x--x--x-x--x--x-",
        "long": "X---------------",
    }, low=55, high=74, velocity=78)

    strings = cue.part("strings", "synth strings 1", volume=80, pan=30, reverb=70)
    pad(cue, strings, 13, 25, low=62, high=82, velocity=64)

    bass = cue.part("bass", "slap bass 1", volume=120, reverb=20)
    bassline(cue, bass, 1, "slap*3 turn slap*7 turn slap*7 turn slap*3 turn hold", {
        "slap": ">R:e. R:s r:e 8:s! x:s R:e 5:s 8:s! r:e 7:s 8:s!",
        "turn": ">R:e. R:s r:e 8:s! x:s R:e 5:s 8:s! r:e 5:s A:s",
        "hold": ">R:w",
    }, velocity=96, low=29)

    groove = {
        "kick": "x.....x...x.....",
        "snare": "....X..o....X..o",
        "closed hat": "xoxoxoxoxoxoxoxo",
    }
    drum = cue.drum_part(volume=115)
    drums(cue, drum, 1, "crash groove*2 fill crash groove*6 fill crash groove*6 fill "
          "crash groove push fill final", {
              "groove": groove,
              "crash": {**groove, "crash": "x..............."},
              "push": {**groove, "kick": "x.....x.x.....x.", "crash": "x..............."},
              "fill": {
                  "kick": "x.....x.........",
                  "snare": "....X...xoxo....",
                  "closed hat": "x.x.x.x.........",
                  "high tom": "............xx..",
                  "mid tom": "..............x.",
                  "low floor tom": "...............x",
              },
              "final": {"kick": "X...............", "crash": "X..............."},
          }, velocity=96)
    return cue


def main_cue():
    """Main theme, looped for as long as the player works: an easy 16-beat groove in Bb."""
    cue = Cue("main", tempo=100, loop=True, swing=14, level=1.15, touch=1.29)
    cue.chords(1, """
        | Ebmaj7 | Dm7        | Cm7     | F9sus4     |
        | Ebmaj7 | Dm7 G7b9   | Cm7     | F9sus4 F7  |
        | Bbmaj7 | Gm7        | Ebmaj7  | F9sus4     |
        | Bbmaj7 | Fm7 Bb7    | Ebmaj7  | Ebm6 Ab9   |
        | Gm9    | C9         | Gm9     | C9         |
        | Cm9    | Dm7        | Ebmaj7  | F9sus4     |
        | Ebmaj7 | Dm7        | Cm7     | F9sus4     |
        | Ebmaj7 | Dm7 G7b9   | Cm7 F9sus4 | Fm7 Bb7 |""")
    cue.length = bar_tick(33)

    flute = cue.part("flute", "flute", volume=115, pan=56, reverb=60)
    opening = """
        r:e G5 Bb5 D6~ D6:q C6:e Bb5  | C6:q. A5:e~ A5:h |
        r:e G5 Bb5 Eb6~ Eb6:q D6:e C6 | D6:h. r:q |"""
    melody(cue, flute, 1, opening + """
        r:e G5 Bb5 D6~ D6 F6~ F6 Eb6  | D6:q. C6:e B5 D6 F6 Eb6~ |
        Eb6:q D6:e C6 Bb5:q G5        | Bb5:q. C6:e A5:h |""")
    melody(cue, flute, 17, """
        r:w                           | r:h r:e Bb5 C6 D6~ |
        D6:q. r:e r:h                 | r:h r:e G5 Bb5 D6~ |
        D6:q. r:e r:h                 | r:w |
        r:e G5 Bb5 D6 F6:q. Eb6:e~    | Eb6:h r |""")
    melody(cue, flute, 25, opening + """
        r:e G5 Bb5 D6~ D6 F6~ F6 G6~  | G6:q F6:e D6 B5 D6 F6 Eb6~ |
        Eb6:q C6:e Bb5~ Bb5:q. C6:e   | Ab5:q. G5:e~ G5:q r |""")

    vibes = cue.part("vibraphone", "vibraphone", volume=120, pan=84, reverb=60)
    melody(cue, vibes, 9, """
        F5:q. D5:e~ D5:q C5           | D5:q. Bb4:e~ Bb4:h |
        G5:q. Bb5:e~ Bb5:q D6         | C6:h Bb5:e G5 F5:q |
        F5:q. D5:e~ D5:q C5           | Eb5:q. C5:e D5 F5 Ab5 Bb5~ |
        Bb5:h G5:q. F5:e~             | F5:q Gb5 Gb5:e F5 Eb5 C5 |
        r:e D5,F5:e! r:q r:e D5,F5:e! r:q     | r:w |
        r:e D5,F5:e! r:q r:e D5,F5:e! r:q     | r:w |
        r:e Eb5,G5:e! r:q r:e Eb5,G5:e! r:q   | r:e F5,A5:e! r:q r:e F5,A5:e! r:q |""",
           velocity=84)

    keys = cue.part("electric piano", "electric piano 1", volume=88, pan=40, reverb=50,
                    chorus=50)
    comp(cue, keys, 1, "lay*32", {"lay": "x-----x-x-----x-"}, low=55, high=72, velocity=74)

    guitar = cue.part("guitar", "electric guitar (muted)", volume=95, pan=100, reverb=30)
    comp(cue, guitar, 1, "chop*32", {"chop": ".x.x..x..x.x..x."}, low=62, high=76,
         velocity=80, max_notes=3)

    strings = cue.part("strings", "string ensemble 2", volume=80, pan=24, reverb=70)
    pad(cue, strings, 9, 16, low=60, high=79, velocity=58)
    pad(cue, strings, 25, 32, low=60, high=79, velocity=58)

    bass = cue.part("bass", "electric bass (finger)", volume=110, reverb=15)
    bassline(cue, bass, 1, "walk*3 turn walk*3 turn walk*3 turn walk*3 turn "
             "float*7 turn walk*3 turn walk*3 turn", {
                 "walk": "R:e. R:s r:e 5:e R:e. R:s r:e 7:e",
                 "turn": "R:e. R:s r:e 5:e R:e 5:e 3:e A:e",
                 "float": "R:e. 8:s r:q r:e 5:e 7:e 8:e",
             }, velocity=96)

    groove = {
        "kick": "x.........x.x...",
        "snare": "....x..o....x...",
        "closed hat": "x.x.x.x.x.x.x.xo",
        "shaker": "oooooooooooooooo",
    }
    light = {
        "kick": "x.........x.x...",
        "side stick": "....x.......x..o",
        "ride": "x.x.x.x.x.x.x.x.",
        "shaker": "oooooooooooooooo",
    }
    drum = cue.drum_part(volume=115)
    drums(cue, drum, 1, "groove*3 skip groove*3 fill crash groove*2 skip groove*3 fill "
          "light*7 fill crash groove*2 skip groove*3 fill", {
              "groove": groove,
              "skip": {**groove, "kick": "x.....x...x....."},
              "crash": {**groove, "crash": "o..............."},
              "light": light,
              "fill": {
                  "kick": "x.........x.....",
                  "snare": "....x.....o.xoxx",
                  "high tom": "......x.........",
                  "closed hat": "x.x.x.x.x.x.....",
              },
          }, velocity=92)
    return cue


def maker_cue():
    """Maker's showroom, looped: a bright trade-fair tune in D with balls of bells."""
    cue = Cue("maker", tempo=132, loop=True, level=1.15, touch=1.25)
    cue.chords(1, """
        | Dmaj7  | D#dim7 | Em7    | A7         |
        | F#m7   | B7     | Em7 A7 | D6 A7      |
        | Gmaj7  | F#m7   | Em7    | Dmaj7      |
        | Gmaj7  | F#7    | Bm7 E9 | Em7 A7sus4 |
        | D      | C/D    | G/D    | D          |
        | Bbmaj7 | C6     | D6     | A7         |""")
    cue.length = bar_tick(25)

    tune_a = """
        A5:e! F#5:e! A5:e! D6:e~ D6:q E6:e! F#6:e!  | A6:q. F#6:e~ F#6:q r |
        G5:e! E5:e! G5:e! B5:e~ B5:q C#6:e! D6:e!   | E6:q. C#6:e~ C#6:q r |
        A5:e! F#5:e! A5:e! C#6:e~ C#6:q E6:e! F#6:e! | A6:q. F#6:e~ F#6:e D#6:e! B5:e! A5:e! |
        G5:q B5 C#6 E6                              | D6:q. r:e r:h |"""
    tune_b = """
        B5:q. A5:e B5:q D6    | C#6:h. r:e A5 |
        B5:q. A5:e G5:q B5    | A5:h. r:q |
        B5:q. A5:e B5:q D6    | E6:q. D6:e C#6:q A#5 |
        B5:q D6 F#6 E6        | G6:q. F#6:e E6:q D6 |"""
    tune_c = """
        A5:e! D6:e! F#6:e! A6:e~ A6:q r  | G6:e! E6:e! C6:e! G5:e~ G5:q r |
        B5:e! D6:e! G6:e! B6:e~ B6:q A6:e! G6:e! | F#6:h r |
        D6:q. F6:e~ F6:h                 | E6:q. G6:e~ G6:h |
        F#6:w                            | r:w |"""
    lead = cue.part("lead", "lead 1 (square)", volume=80, pan=64, reverb=50, chorus=30)
    melody(cue, lead, 1, tune_a + tune_b + tune_c, velocity=84)

    bells = cue.part("glockenspiel", "glockenspiel", volume=110, pan=90, reverb=70)
    balls = cascade("A7", "E7", 8, "s")
    melody(cue, bells, 1, tune_a.replace("D6:q. r:e r:h", "D6:q. r:e " + balls), velocity=88)
    melody(cue, bells, 12, "r:h " + cascade("Dmaj7", "F#7", 8, "s"), velocity=80)
    melody(cue, bells, 16, "r:h " + cascade("A7sus4", "E7", 8, "s"), velocity=80)
    melody(cue, bells, 17, tune_c.replace("r:w", " ".join(
        [cascade("A7", "E7", 8, "s"), cascade("A7", "A6", 8, "s")])), velocity=88)

    brass = cue.part("brass", "brass section", volume=90, pan=40, reverb=50)
    comp(cue, brass, 1, "rest*7 answer rest*8 answer*4 long*3 hit", {
        "rest": "................",
        "answer": "........x.X...X-",
        "long": "X---------------",
        "hit": "X...............",
    }, low=60, high=76, velocity=92)

    piano = cue.part("piano", "bright acoustic piano", volume=105, pan=30, reverb=40)
    comp(cue, piano, 1, "off*23 hit", {
        "off": "..x...x...x...x.",
        "hit": "X...............",
    }, low=60, high=77, velocity=80)

    bass = cue.part("bass", "synth bass 2", volume=90, reverb=15)
    bassline(cue, bass, 1, "octaves*7 turn octaves*7 turn octaves*7 turn", {
        "octaves": "R:e! 8:e! R:e! 8:e! R:e! 8:e! R:e! 8:e!",
        "turn": "R:e! 8:e! R:e! 8:e! R:e! 8:e! 5:e! A:e!",
    }, velocity=96, low=33)

    disco = {
        "kick": "x...x...x...x...",
        "clap": "....x.......x...",
        "closed hat": "x...x...x...x...",
        "open hat": "..x...x...x...x.",
        "tambourine": "oxoxoxoxoxoxoxox",
    }
    drum = cue.drum_part(volume=115)
    drums(cue, drum, 1, "disco*7 fill crash disco*6 fill crash disco*6 fill", {
        "disco": disco,
        "crash": {**disco, "crash": "x..............."},
        "fill": {
            "kick": "x...x...x.......",
            "clap": "....x...........",
            "snare": "........XxXx....",
            "high tom": "............xx..",
            "mid tom": "..............xx",
        },
    }, velocity=92, cymbal_length=2 * STEP)
    return cue


def yes_cue():
    """'Done!': a quick pickup onto a bright C major chord."""
    cue = Cue("yes", tempo=120, loop=False, tail=PPQ // 2, level=1.15, touch=1.25)
    trumpet = cue.part("trumpet", "trumpet", volume=120, reverb=50)
    melody(cue, trumpet, 1, "G5:s A5 B5 >C6:h.", velocity=96)
    brass = cue.part("brass", "brass section", volume=90, pan=44, reverb=50)
    melody(cue, brass, 1, "r:e. >E4,G4,C5,E5:h.", velocity=96)
    bells = cue.part("glockenspiel", "glockenspiel", volume=110, pan=90, reverb=70)
    melody(cue, bells, 1, "G6:s A6 B6 >C7:q E7 G7", velocity=90)
    horns = cue.part("horns", "french horn", volume=110, pan=80, reverb=60)
    melody(cue, horns, 1, "r:e. >G3,C4,G4:h.", velocity=96)
    strings = cue.part("strings", "string ensemble 1", volume=100, pan=24, reverb=60)
    melody(cue, strings, 1, "G4:s A4 B4 >C5,E5,G5:h.", velocity=96)
    bass = cue.part("bass", "electric bass (finger)", volume=100, reverb=20)
    melody(cue, bass, 1, "G2:s A2 B2 >C2:h.", velocity=100)
    drum = cue.drum_part(volume=115)
    drums(cue, drum, 1, "done", {"done": {
        "snare": "xxx.............",
        "kick": "...X............",
        "crash": "...X............",
    }}, velocity=96, cymbal_length=3 * PPQ)
    return cue


def up_cue():
    """Good news: rising triplets over IV and V onto a held F major."""
    cue = Cue("up", tempo=126, loop=False, tail=PPQ // 2, level=1.15, touch=1.16)
    trumpet = cue.part("trumpet", "trumpet", volume=120, reverb=50)
    melody(cue, trumpet, 1, "F4:et Bb4 D5 F5:q G4:et C5 E5 G5:e A5:s B5 | >C6:h.",
           velocity=98)
    brass = cue.part("brass", "brass section", volume=90, pan=44, reverb=50)
    melody(cue, brass, 1, "D4,F4,Bb4:q. r:e E4,G4,C5:q. r:e | >F4,A4,C5,F5:h.", velocity=92)
    strings = cue.part("strings", "string ensemble 1", volume=100, pan=84, reverb=60)
    melody(cue, strings, 1, "r:h G4:s A4 Bb4 B4 C5 D5 E5 F5 | >F5,A5,C6:h.", velocity=86)
    horns = cue.part("horns", "french horn", volume=110, pan=80, reverb=60)
    melody(cue, horns, 1, "Bb3,D4,F4:q. r:e C4,E4,G4:q. r:e | >C4,F4,A4:h.", velocity=92)
    bass = cue.part("bass", "contrabass", volume=110, reverb=30)
    melody(cue, bass, 1, "Bb2:q. r:e C3:q. r:e | >F2:h.", velocity=100)
    timpani = cue.part("timpani", "timpani", volume=115, pan=54, reverb=60)
    melody(cue, timpani, 1, "Bb2:q r C3 r | >F2:h.", velocity=96)
    drum = cue.drum_part(volume=110)
    drums(cue, drum, 1, "roll hit", {
        "roll": {"snare": "........ooooxxXX"},
        "hit": {"kick": "X...............", "crash": "X..............."},
    }, velocity=90, cymbal_length=3 * PPQ)
    return cue


def down_cue():
    """Bad news: a falling line in D minor that stops on an unresolved A7(b9)."""
    cue = Cue("down", tempo=110, loop=False, tail=PPQ // 2, level=1.15, touch=1.29)
    oboe = cue.part("oboe", "oboe", volume=110, pan=70, reverb=60)
    melody(cue, oboe, 1, "A5:q. G5:e F5:q. E5:e | C#5:h", velocity=96)
    clarinet = cue.part("clarinet", "clarinet", volume=90, pan=50, reverb=60)
    melody(cue, clarinet, 1, "A4:q. G4:e F4:q. E4:e | C#4:h", velocity=84)
    strings = cue.part("strings", "string ensemble 1", volume=90, pan=30, reverb=60)
    melody(cue, strings, 1, "A3,D4,F4:h Ab3,D4,F4:q G3,C#4,E4 | G3,Bb3,C#4,E4:h",
           velocity=84)
    tremolo = cue.part("tremolo", "tremolo strings", volume=95, pan=98, reverb=60)
    melody(cue, tremolo, 2, "G4,Bb4,E5:h", velocity=70)
    cello = cue.part("cello", "cello", volume=96, pan=54, reverb=50)
    melody(cue, cello, 1, "D3:h Bb2:q A2 | A2:h", velocity=92)
    bassoon = cue.part("bassoon", "bassoon", volume=100, pan=40, reverb=50)
    melody(cue, bassoon, 1, "D3:h Bb2:q A2 | A2:h", velocity=90)
    horns = cue.part("horns", "french horn", volume=100, pan=84, reverb=60)
    melody(cue, horns, 1, "D4,F4:h D4,F4:q C#4,E4 | C#4,G4:h", velocity=86)
    contrabass = cue.part("contrabass", "contrabass", volume=96, pan=64, reverb=50)
    melody(cue, contrabass, 1, "D2:h Bb1:q A1 | A1:h", velocity=92)
    timpani = cue.part("timpani", "timpani", volume=110, pan=64, reverb=60)
    melody(cue, timpani, 2, ">A2:h", velocity=90)
    return cue


def gameover_cue():
    """Game over: a slow, slowing piano elegy in A minor that closes on the tonic."""
    cue = Cue("gameover", tempo=70, loop=False, tail=2 * PPQ, level=1.15, touch=1.3)
    cue.tempos += [(bar_tick(2) + 2 * PPQ, 64), (bar_tick(3), 56)]
    cue.chords(1, "| Am . Am/G . | Fmaj7 . E7sus4 E7 | Amadd9 |")

    piano = cue.part("piano", "acoustic grand piano", volume=110, reverb=70)
    melody(cue, piano, 1, "E5:q. D5:e C5:q B4 | A4:q. C5:e B4:q G#4 | >A4,C5,E5:w",
           velocity=90)
    arpeggio(cue, piano, 1, "rolling*2", {"rolling": "0:e 2:e 3:e 4:e 0:e 2:e 3:e 4:e"},
             low=40, velocity=66)
    melody(cue, piano, 3, "A1,A2,E3:w", velocity=76)

    strings = cue.part("strings", "string ensemble 2", volume=85, pan=40, reverb=80)
    pad(cue, strings, 1, 3, low=57, high=72, velocity=84)
    cellos = cue.part("cellos", "string ensemble 1", volume=100, pan=90, reverb=80)
    melody(cue, cellos, 1, "E4:q. D4:e C4:q B3 | A3:q. C4:e B3:q G#3 | A3:w", velocity=96)
    contrabass = cue.part("contrabass", "contrabass", volume=95, pan=70, reverb=60)
    melody(cue, contrabass, 1, "A1:h G1 | F1 E1 | A1:w", velocity=90)
    return cue


CUES = [title_cue, main_cue, maker_cue, yes_cue, up_cue, down_cue, gameover_cue]

# ---------------------------------------------------------------------------------------------
# Standard MIDI File writing


def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def chunk(kind, data):
    return kind + struct.pack(">I", len(data)) + data


def track(events, end):
    """events: (tick, order, bytes); order keeps set-up before note-offs before note-ons."""
    data = bytearray()
    last = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += variable_length(tick - last) + message
        last = tick
    data += variable_length(end - last) + b"\xff\x2f\x00"
    return chunk(b"MTrk", bytes(data))


def meta_name(text):
    raw = text.encode("ascii")
    return b"\xff\x03" + variable_length(len(raw)) + raw


def finished_notes(cue, part, rng):
    """Applies swing and articulation, keeps notes of one pitch from overlapping."""
    notes = []
    for start, length, pitch, velocity, staccato in part.notes:
        if cue.swing and start % (2 * STEP) == STEP:
            start += cue.swing
            length -= cue.swing
        if part.is_drums:
            stop = start + length
        elif staccato:
            stop = start + max(40, min(length, 2 * STEP) // 2)
        else:
            stop = start + length - min(30, length // 8)
        velocity = max(1, min(127, round(velocity * cue.touch) + rng.randint(-4, 4)))
        notes.append((start, stop, pitch, velocity))
    notes.sort()
    finished = []
    sounding = {}
    for start, stop, pitch, velocity in notes:
        earlier = sounding.get(pitch)
        if earlier is not None and finished[earlier][1] > start:
            if finished[earlier][0] == start:
                continue  # doubled in the data: keep the first
            finished[earlier] = (finished[earlier][0], start) + finished[earlier][2:]
        sounding[pitch] = len(finished)
        finished.append((start, stop, pitch, velocity))
    return finished


def song_end(cue):
    if cue.loop:
        return cue.length
    return max(n[0] + n[1] for p in cue.parts for n in p.notes) + cue.tail


def render(cue):
    rng = random.Random(cue.name)
    end = song_end(cue)
    conductor = [(0, 0, meta_name(cue.name)), (0, 1, b"\xff\x58\x04\x04\x02\x18\x08")]
    for tick, bpm in cue.tempos:
        conductor.append((tick, 2, b"\xff\x51\x03" + (60_000_000 // bpm).to_bytes(3, "big")))
    tracks = [track(conductor, end)]
    for part in cue.parts:
        ch = part.channel
        cc = lambda number, value: bytes([0xB0 | ch, number, value])  # noqa: E731
        setup = [meta_name(part.name), cc(121, 0)]
        if not part.is_drums:
            setup += [cc(0, 0), cc(32, 0)]
        setup += [
            bytes([0xC0 | ch, part.program]),
            cc(7, min(127, round(part.volume * cue.level))),
            cc(11, 127),
            cc(10, part.pan),
            cc(91, part.reverb),
            cc(93, part.chorus),
        ]
        events = [(0, i, message) for i, message in enumerate(setup)]
        for start, stop, pitch, velocity in finished_notes(cue, part, rng):
            if start >= end:
                continue
            events.append((start, 101, bytes([0x90 | ch, pitch, velocity])))
            events.append((min(stop, end), 100, bytes([0x80 | ch, pitch, 64])))
        events.append((end, 200, cc(123, 0)))
        tracks.append(track(events, end))
    header = chunk(b"MThd", struct.pack(">HHH", 1, len(tracks), PPQ))
    return header + b"".join(tracks)


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for make in CUES:
        cue = make()
        path = os.path.join(argv[1], cue.name + ".mid")
        with open(path, "wb") as out:
            out.write(render(cue))
        print(f"wrote {path}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
