#!/usr/bin/env python3
"""The live panel's server watched from outside: `gauge-bench serve` started on a free port, a
number of pages reading its change stream (0 for the server alone), and every few seconds the
frames each page received, the bytes it was sent, the server's CPU and resident memory, and the
time a plain request takes meanwhile.

  perf/serve_load.py --seconds 60 --pages 0     the idle server's CPU
  perf/serve_load.py --seconds 60 --pages 32    as many pages as the server holds
  perf/serve_load.py --seconds 3600 --check     the long run (`make longrun`)
  perf/serve_load.py --stalled 40 --seconds 10  pages that never read, dropped

With --check it fails (exit 1) when a page misses a frame, a page's last interval falls below
16 frames a second, or the resident memory at the end is more than 5 % above what it was after a
warm-up of half the run: the flight's first pass (600 s) fills the renderer's caches, the first
pages' images and the allocator's pools."""

import argparse
import http.client
import os
import re
import socket
import statistics
import subprocess
import sys
import threading
import time

TICKS = os.sysconf("SC_CLK_TCK")


class Page(threading.Thread):
    """A page reading the change stream: its frames (numbers in order), the numbers it missed
    and the bytes it received."""

    def __init__(self, port):
        super().__init__(daemon=True)
        self.port = port
        self.frames = 0
        self.missed = 0
        self.bytes = 0
        self.last = None
        self.error = None

    def run(self):
        try:
            connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=30)
            connection.request("GET", "/api/events")
            reply = connection.getresponse()
            if reply.status != 200:
                self.error = f"status {reply.status}: {reply.read()[:200]!r}"
                return
            rest = b""
            while True:
                part = reply.read1(1 << 16)
                if not part:
                    self.error = "the stream ended"
                    return
                self.bytes += len(part)
                lines = (rest + part).split(b"\n")
                rest = lines.pop()
                for line in lines:
                    if line.startswith(b"id: "):
                        number = int(line[4:])
                        if self.last is not None and number != self.last + 1:
                            self.missed += number - self.last - 1
                        self.last = number
                        self.frames += 1
        except OSError as error:
            self.error = str(error)


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def resident_kb(pid):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith("VmRSS:"):
            return int(line.split()[1])
    return 0


def request_ms(port):
    """The time of GET /api/layout on a connection of its own, in milliseconds."""
    start = time.monotonic()
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
    connection.request("GET", "/api/layout")
    connection.getresponse().read()
    connection.close()
    return (time.monotonic() - start) * 1000


def stalled_pages(port, count):
    """Opens `count` connections that ask for the change stream and never read, then measures
    how long until a new page's stream is accepted again (the stalled ones dropped), and the
    time of a plain request meanwhile."""
    start = time.monotonic()
    stalled = []
    for _ in range(count):
        connection = socket.socket()
        connection.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        connection.connect(("127.0.0.1", port))
        connection.sendall(f"GET /api/events HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n\r\n".encode())
        stalled.append(connection)
    requests = []
    while time.monotonic() - start < 60:
        requests.append(request_ms(port))
        probe = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
        probe.request("GET", "/api/events")
        status = probe.getresponse().status
        probe.close()
        if status == 200:
            break
        time.sleep(0.25)
    print(f"{count} stalled pages: a new page accepted after {time.monotonic() - start:.1f} s; "
          f"a request meanwhile {statistics.median(requests):.1f} ms "
          f"(at most {max(requests):.1f}, {len(requests)} requests)", flush=True)
    for connection in stalled:
        connection.close()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    build = os.path.join(here, "..", "build", "linux")
    options = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    options.add_argument("--bench", default=os.path.join(build, "bench", "gauge-bench"))
    options.add_argument("--module", default=os.path.join(build, "Varek_Instr.so"))
    options.add_argument("--panel", default=os.path.join(build, "panel", "panel.cfg"))
    options.add_argument("--seconds", type=float, default=60)
    options.add_argument("--pages", type=int, default=1)
    options.add_argument("--interval", type=float, help="seconds between samples (a 60th of the run, at least 10)")
    options.add_argument("--time", default="0", help="the flight's moment to start from")
    options.add_argument("--stalled", type=int, default=0,
                         help="first open this many pages that never read, and time their drop")
    options.add_argument("--check", action="store_true")
    args = options.parse_args()
    args.interval = args.interval or max(10.0, args.seconds / 60)

    server = subprocess.Popen([args.bench, "serve", args.module, args.panel, "--port", "0", "--time", args.time],
                              stdout=subprocess.PIPE, text=True)
    try:
        found = re.search(r"http://127\.0\.0\.1:(\d+)/", server.stdout.readline())
        if not found:
            sys.exit("the server did not say where it listens")
        port = int(found.group(1))
        threading.Thread(target=server.stdout.read, daemon=True).start()
        if args.stalled:
            time.sleep(2)
            stalled_pages(port, args.stalled)
        pages = [Page(port) for _ in range(args.pages)]
        for page in pages:
            page.start()
        return watch(args, server.pid, port, pages)
    finally:
        server.terminate()
        server.wait()


def watch(args, pid, port, pages):
    print(f"{'s':>6} {'frames/s (min..max)':>20} {'kB/s a page':>12} {'CPU %':>6} "
          f"{'RSS kB':>8} {'request ms':>10}", flush=True)
    start = time.monotonic()
    samples = []
    before = (start, cpu_seconds(pid), [0] * len(pages), [0] * len(pages))
    while time.monotonic() - start < args.seconds:
        time.sleep(min(args.interval, args.seconds - (time.monotonic() - start)))
        now, cpu = time.monotonic(), cpu_seconds(pid)
        frames, sent = [p.frames for p in pages], [p.bytes for p in pages]
        span = now - before[0]
        rates = [(f - b) / span for f, b in zip(frames, before[2])] or [0]
        kbps = [(s - b) / span / 1024 for s, b in zip(sent, before[3])] or [0]
        sample = {
            "at": now - start, "rate_min": min(rates), "rate_max": max(rates),
            "kbps": statistics.mean(kbps), "cpu": (cpu - before[1]) / span * 100,
            "rss": resident_kb(pid), "request": statistics.median(request_ms(port) for _ in range(5)),
        }
        samples.append(sample)
        print(f"{sample['at']:6.0f} {sample['rate_min']:9.1f}..{sample['rate_max']:<9.1f} "
              f"{sample['kbps']:12.0f} {sample['cpu']:6.1f} {sample['rss']:8d} "
              f"{sample['request']:10.1f}", flush=True)
        before = (now, cpu, frames, sent)

    warm = next(s for s in samples if s["at"] >= args.seconds / 2 - 1)
    settled = samples[1:] or samples
    missed = sum(p.missed for p in pages)
    errors = [p.error for p in pages if p.error]
    print(f"pages {len(pages)}, {samples[-1]['at']:.0f} s: frames a second per page "
          f"{min(s['rate_min'] for s in settled):.1f} to {max(s['rate_max'] for s in settled):.1f}, "
          f"{missed} missed; {statistics.mean(s['kbps'] for s in settled):.0f} kB/s a page; "
          f"CPU {statistics.mean(s['cpu'] for s in settled):.1f} % of a core; "
          f"request {statistics.median(s['request'] for s in settled):.1f} ms "
          f"(at most {max(s['request'] for s in settled):.1f}); "
          f"resident {warm['rss']} kB after {warm['at']:.0f} s, "
          f"{max(s['rss'] for s in samples)} kB at most, {samples[-1]['rss']} kB at the end")
    for error in sorted(set(errors)):
        print(f"a page: {error}")
    if not args.check:
        return 0
    faults = []
    if missed or errors:
        faults.append(f"{missed} frames missed, {len(errors)} pages ended")
    if pages and samples[-1]["rate_min"] < 16:
        faults.append(f"a page received {samples[-1]['rate_min']:.1f} frames a second at the end")
    if samples[-1]["rss"] > warm["rss"] * 1.05:
        faults.append("the resident memory grew by more than 5 %")
    for fault in faults:
        print(f"FAILED: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
