#!/usr/bin/env python3
"""Sets the two time stamps chmcmd writes into a CHM file to a given time.

chmcmd stamps the file's header and the #SYSTEM file inside it with the time
of the build; with both set to the source's date, two builds of one commit
give the same bytes. #SYSTEM lies in the uncompressed section 0, so it is
found through the directory and changed in place.

Usage: fix_chm_time.py FILE.chm SECONDS_SINCE_1970
"""
import struct
import sys

SYSTEM_TIMESTAMP = 10  # record code in #SYSTEM: a 32-bit time stamp


def encint(data, at):
    """Reads the directory's variable-length integer at data[at]."""
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def directory_entries(data):
    """(name, section, offset, length) of every entry in the PMGL chunks."""
    directory, _ = struct.unpack_from("<QQ", data, 0x48)
    if data[directory:directory + 4] != b"ITSP":
        raise ValueError("no directory header")
    header_length, = struct.unpack_from("<I", data, directory + 8)
    chunk_size, = struct.unpack_from("<I", data, directory + 0x10)
    chunks, = struct.unpack_from("<I", data, directory + 0x2C)
    for k in range(chunks):
        chunk = directory + header_length + k * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        free, = struct.unpack_from("<I", data, chunk + 4)
        at, end = chunk + 0x14, chunk + chunk_size - free
        while at < end:
            length, at = encint(data, at)
            name = data[at:at + length].decode("utf-8")
            at += length
            section, at = encint(data, at)
            offset, at = encint(data, at)
            size, at = encint(data, at)
            yield name, section, offset, size


def fix(data, seconds):
    if data[:4] != b"ITSF":
        raise ValueError("not a CHM file")
    stamp = seconds & 0xFFFFFFFF
    struct.pack_into(">I", data, 0x10, stamp)
    content, = struct.unpack_from("<Q", data, 0x58)
    for name, section, offset, size in directory_entries(data):
        if name != "/#SYSTEM" or section != 0:
            continue
        at, end = content + offset + 4, content + offset + size  # after the version
        while at + 4 <= end:
            code, length = struct.unpack_from("<HH", data, at)
            if code == SYSTEM_TIMESTAMP and length >= 4:
                struct.pack_into("<I", data, at + 4, stamp)
                return
            at += 4 + length
    raise ValueError("no time stamp in #SYSTEM")


def main():
    path, seconds = sys.argv[1], int(sys.argv[2])
    with open(path, "rb") as f:
        data = bytearray(f.read())
    fix(data, seconds)
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
