#!/usr/bin/env python3
"""Makes examples/gong.wav, the short sound of the PLAY examples: a soft two-tone gong,
0.8 seconds, 8-bit mono at 11025 Hz. Run it again after a change; the repo keeps the file."""
import math
import struct
import sys

RATE = 11025


def main(path):
    frames = bytearray()
    n = int(RATE * 0.8)
    for i in range(n):
        t = i / RATE
        tone = 660 if t < 0.25 else 494
        start = 0 if t < 0.25 else 0.25
        envelope = math.exp(-(t - start) * 7)
        v = 0.6 * envelope * math.sin(2 * math.pi * tone * t)
        frames.append(int(128 + 127 * v))
    data = bytes(frames)
    fmt = struct.pack('<HHIIHH', 1, 1, RATE, RATE, 1, 8)
    out = b'RIFF' + struct.pack('<I', 4 + 8 + len(fmt) + 8 + len(data)) + b'WAVE'
    out += b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(data)) + data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'examples/gong.wav')
