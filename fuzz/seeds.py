#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz corpora: one well-formed case per target
(a whole read and write, a finished tuning command, a valid file and CSV), from
which the fuzzer starts.  Run from the repository root: python3 fuzz/seeds.py"""
import os

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(target, name, data):
    os.makedirs(os.path.join(root, target), exist_ok=True)
    with open(os.path.join(root, target, "seed-" + name), "wb") as f:
        f.write(bytes(data))


# file_roundtrip: a typical image, all zeros, a short file, a long one.
image = bytearray([0xFF] * 1024)
for ch in range(1, 5):  # four channels with a frequency, tones and flags
    image[16 * ch:16 * ch + 4] = [0x25, 0x06, 0x60, 0x44]
    image[16 * ch + 4:16 * ch + 8] = [0x25, 0x06, 0x60, 0x44]
    image[16 * ch + 8:16 * ch + 12] = [0x93, 0x06, 0x23, 0x80]
    image[16 * ch + 12] = 0xED
image[16 * 60:16 * 60 + 6] = [0xFB, 0x04, 0x03, 0x06, 0xFF, 0x00]
image[16 * 61:16 * 61 + 8] = [0x00, 0x00, 0xF4, 0x37, 0x30, 0x31, 0x33, 0x50]
put("file_roundtrip", "channels", image)
put("file_roundtrip", "zeros", [0] * 1024)
put("file_roundtrip", "short", image[:10])
put("file_roundtrip", "long", image + image)

# cli_input: an import of a CSV and a set of every key.
csv = "CH,Channel,Tones,BCLO,Scan\n" + "".join(
    f"{r},{(r - 1) % 8 + 1:02d},{'69.3' if r % 2 else 'D023N'},Off,Add\n" if r <= 8 else f"{r},,,,\n"
    for r in range(1, 17))
put("cli_input", "import", b"\x00" + csv.encode())
# ... and of the common radio CSV, in the older header, quoted and with CRLF.
radio = ("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
         "Mode,TStep,Skip,Comment\r\n"
         "1,\"PMR 1\",446.006250,,0.000000,TSQL,88.5,88.5,023,NN,NFM,12.50,,\"a, b\"\r\n"
         "2,,446.018750,off,0.000000,Tone,69.3,88.5,023,NN,NFM,12.50,S,\r\n"
         "3,,446.031250,,0.000000,DTCS,88.5,88.5,754,RR,NFM,12.50,,\r\n"
         "4,,,,0.000000,,88.5,88.5,023,NN,NFM,12.50,,\r\n")
put("cli_input", "import-radio", b"\x00" + radio.encode())
put("cli_input", "set", b"\x01tot=180s\nwarning=Disable\nsquelch=4\nscan_switch=On\nmoni=Monitor Lock")

# clone_transfer: one decision byte per write (0 = goes through), a count byte
# then the bytes for each read; see fuzz_port.h.
ACK = 0x06


def handshake():
    s = [0x00]                      # the port opens
    s += [0x00] * 8                 # wake-up word, a write per byte
    s += [1, ACK]                   # acknowledged
    s += [0]                        # nothing after waking
    s += [0x00]                     # identification request
    s += [8] + list(b"QM314S\x01\x00")
    s += [0x00, 1, ACK]             # confirmation
    return s


read = [0x00] + handshake()
for k in range(128):
    read += [0x00, 12, 0x52, (8 * k) >> 8, (8 * k) & 0xFF, 8] + [k] * 8 + [0x00, 1, ACK]
put("clone_transfer", "read", read)
write = [0x01] + handshake()
for k in range(123):
    write += [0x00, 0x00, 1, ACK]
put("clone_transfer", "write", write)

# debug_conversation: entries 446.00625, tones 69.3, TX Frequency, value 0.
debug = [1, 1, 1, 1, 0, 64, 0x00]
debug += [0x00] * 7 + [1, ACK]
debug += [0x00, 0x00, 8] + list(b"QM314D\x01\x00")
debug += [0x00, 1, ACK]
debug += [0x00, 0x00, 0x00, 1, 0x48]
debug += [0x00, 1, 0x48]
debug += [0x00, 1, 0x48]
put("debug_conversation", "finished", debug)

# sim_radio: both words, a read, a write and a whole tuning command.
sim = [0x00, 0x00, 0xFE, 1, 0x02, ACK, 0x52, 0, 0, 8, ACK, 0x57, 0, 8, 8] + [0x11] * 8
sim += [0x57, 0x03, 0xD8, 8] + [0x22] * 8
sim += [0xFE, 2, 0x4D, 0x02, ACK, 0x78, 0x71, 0x71, 0x08] + [0x25, 0x06, 0x60, 0x44] * 2
sim += [0x93, 0x06, 0x93, 0x06, 0xFB, 0x01, 0x01, 0xA0]
put("sim_radio", "both", sim)
