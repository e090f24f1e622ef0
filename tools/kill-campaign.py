#!/usr/bin/env python3
"""Kills the real editor at random moments while a user types and saves, and
checks what a user would find afterwards.

Each run starts the built program in a scratch program directory (a copy of
the executable, so its settings and recovery journal stay there) under an X
display with a window manager, opens a file, types a marker at its start with
xdotool and then either saves (Ctrl+S) or just keeps typing, and sends SIGKILL
after a random delay. Then it checks, as the next user session would:

  * the file on disk is either the old or the new complete content (a save in
    place that was stopped may leave the file cut short, but then a complete
    copy of the old content must be beside it, ".name.tw-old-XXXXXX");
  * when the journal held the document at the moment of the kill, the next
    start offers it back, and saving it writes the typed text;
  * after the next open of the file no ".name.tw-XXXXXX" temporary is left.

Usage (the display must already run a window manager):
    Xvfb :61 -screen 0 1280x1024x24 & DISPLAY=:61 openbox &
    tools/kill-campaign.py --program build/tarnwick --display :61 --runs 120

Needs xdotool. Prints one line per run and the counts at the end; exits 1 when
any run found damage. Timing is random on purpose (--seed repeats a campaign).
"""
import argparse
import glob
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TEMPORARY = re.compile(r"^\.(.+)\.tw-[A-Za-z0-9]{6}$")
OLD_COPY = re.compile(r"^\.(.+)\.tw-old-[A-Za-z0-9]{6}$")


class Display:
    def __init__(self, name):
        self.env = dict(os.environ, DISPLAY=name)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return result.stdout.split()

    def windows(self, pattern):
        return self.xdotool("search", "--onlyvisible", "--name", pattern)

    def wait_window(self, pattern, seconds):
        end = time.time() + seconds
        while time.time() < end:
            found = self.windows(pattern)
            if found:
                return found[0]
            time.sleep(0.05)
        return None

    def activate(self, window):
        self.xdotool("windowactivate", "--sync", window)

    def keys(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "15", text)


class Campaign:
    def __init__(self, args):
        self.args = args
        self.display = Display(args.display)
        self.root = tempfile.mkdtemp(prefix="tw-kill-")
        self.program_dir = os.path.join(self.root, "program")
        self.files = os.path.join(self.root, "files")
        os.makedirs(self.program_dir)
        os.makedirs(self.files)
        shutil.copy2(args.program, os.path.join(self.program_dir, "tarnwick"))
        open(os.path.join(self.program_dir, "readme.txt"), "wb").close()
        self.counts = {}
        self.process = None

    def count(self, what):
        self.counts[what] = self.counts.get(what, 0) + 1

    def start(self, *files):
        self.process = subprocess.Popen([os.path.join(self.program_dir, "tarnwick"), *files],
                                        env=self.display.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()
        self.process = None

    def journal_entries(self):
        return glob.glob(os.path.join(self.program_dir, "recovery", "session-*", "*.entry"))

    def answer_boxes(self, key, seconds=2.0):
        """Answers every box titled "Tarnwick" that shows within `seconds`."""
        answered = 0
        end = time.time() + seconds
        while time.time() < end:
            boxes = self.display.windows("^Tarnwick$")
            if not boxes:
                time.sleep(0.1)
                continue
            self.display.activate(boxes[0])
            self.display.keys(key)
            answered += 1
            time.sleep(0.3)
            end = time.time() + seconds
        return answered

    def leftovers(self, name):
        temporaries, copies = [], []
        for entry in os.listdir(self.files):
            for pattern, found in ((TEMPORARY, temporaries), (OLD_COPY, copies)):
                match = pattern.match(entry)
                if match and match.group(1) == name:
                    found.append(os.path.join(self.files, entry))
        return temporaries, copies

    def run_once(self, number, rng):
        big = rng.random() < self.args.big_share
        linked = rng.random() < 0.3          # a second hard link: the save goes in place
        saving = rng.random() < 0.6
        name = "doc%03d.txt" % number
        path = os.path.join(self.files, name)
        line = b"line %d of the old text, long enough to make a save take a while\n"
        old = b"".join(line % i for i in range(150000 if big else 40))
        with open(path, "wb") as f:
            f.write(old)
        if linked:
            os.link(path, path + ".link")
        marker = "T%03dx" % number
        new = marker.encode() + old

        shutil.rmtree(os.path.join(self.program_dir, "recovery"), ignore_errors=True)
        self.start(path)
        window = self.display.wait_window("^Tarnwick - " + re.escape(path) + "$", 20)
        if not window:
            self.kill()
            self.count("NO WINDOW")
            return "no window"
        self.display.activate(window)
        self.display.keys("ctrl+Home")
        self.display.type(marker)
        if saving:
            self.display.keys("ctrl+s")
            time.sleep(rng.uniform(0, 0.3 if big else 0.08))
        else:
            time.sleep(rng.uniform(0, 4.0))
        journaled = bool(self.journal_entries())
        self.kill()

        with open(path, "rb") as f:
            on_disk = f.read()
        temporaries, copies = self.leftovers(name)
        copies_whole = all(open(c, "rb").read() == old for c in copies)
        if on_disk == old:
            state = "old"
        elif on_disk == new:
            state = "new"
        elif copies and copies_whole:
            state = "cut short, old copy kept"
        else:
            state = "DAMAGED"
        self.count("disk: " + state)
        if copies:
            self.count("old copy kept" if copies_whole else "DAMAGED old copy")

        # The next start: the journal's offer, then a save of what it brings back.
        recovered = "not journaled"
        if journaled:
            self.start()
            main = self.display.wait_window("^Tarnwick", 20)
            asked = self.answer_boxes("Return")          # Yes: recover
            main = self.display.wait_window("^Tarnwick - " + re.escape(path) + "$", 5)
            if asked and main:
                self.display.activate(main)
                self.display.keys("ctrl+s")
                self.answer_boxes("alt+y", 1.5)          # overwrite a change on disk
                time.sleep(0.3)
                with open(path, "rb") as f:
                    recovered = "recovered" if f.read() == new else "RECOVERY LOST TEXT"
            else:
                recovered = "NOT OFFERED"
            self.kill()
            shutil.rmtree(os.path.join(self.program_dir, "recovery"), ignore_errors=True)
        self.count("journal: " + recovered)

        # The next open of the file removes the temporaries and tells of kept copies.
        shutil.rmtree(os.path.join(self.program_dir, "recovery"), ignore_errors=True)
        self.start(path)
        told = 0
        if self.display.wait_window("^Tarnwick", 20):
            told = self.answer_boxes("Return", 1.5)
        self.display.wait_window("^Tarnwick - " + re.escape(path) + "$", 10)
        self.kill()
        temporaries_after, copies_after = self.leftovers(name)
        if temporaries_after:
            self.count("TEMPORARY LEFT")
        if copies_after and not told:
            self.count("KEPT COPY NOT TOLD")
        if temporaries:
            self.count("temporary removed at open")
        for leftover in copies_after:
            os.remove(leftover)                         # the user, having looked
        for extra in (path, path + ".link"):
            if os.path.exists(extra):
                os.remove(extra)
        shutil.rmtree(os.path.join(self.program_dir, "recovery"), ignore_errors=True)
        return "%s %s %s: disk %s, %s%s" % (
            "big" if big else "small", "linked" if linked else "single",
            "save" if saving else "type", state, recovered,
            ", temporary left" if temporaries_after else "")

    def run(self):
        rng = random.Random(self.args.seed)
        try:
            for number in range(1, self.args.runs + 1):
                print("%3d %s" % (number, self.run_once(number, rng)), flush=True)
        finally:
            self.kill()
            shutil.rmtree(self.root, ignore_errors=True)
        print("\nCounts after %d runs:" % self.args.runs)
        for what in sorted(self.counts):
            print("  %-32s %d" % (what, self.counts[what]))
        # Every count that means damage is written in capitals.
        return 1 if any(what != what.lower() for what in self.counts) else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", required=True, help="the built tarnwick executable")
    parser.add_argument("--display", required=True, help="an X display with a window manager, e.g. :61")
    parser.add_argument("--runs", type=int, default=120)
    parser.add_argument("--big-share", type=float, default=0.4, help="share of 10 MB files")
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    sys.exit(Campaign(args).run())


if __name__ == "__main__":
    main()
