#!/usr/bin/env python3
"""Makes the release archive of the Windows program and its SHA256SUMS.

The same inputs give the same bytes on any day: every entry carries the
source's date and fixed attributes, in the order given, with no extra
fields. Text entries (.txt) are written as Windows tools read them:
Windows-1251 with CR LF line ends, the version filled in.

Usage: make_zip.py ZIP VERSION SECONDS_SINCE_1970 FILE...
"""
import hashlib
import os
import sys
import time
import zipfile

ENTRY_MODE = 0o100644  # a regular file, readable by all


def entry_bytes(path, version):
    with open(path, "rb") as f:
        data = f.read()
    if not path.endswith(".txt"):
        return data
    text = data.decode("utf-8").replace("@KALVORIX_VERSION@", version)
    # A character that Windows-1251 lacks fails the build here.
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1251")


def main():
    archive, version, seconds, files = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4:]
    # ZIP times are local times from 1980 on, two seconds apart.
    stamp = time.gmtime(max(seconds, 315532800))
    date_time = (stamp.tm_year, stamp.tm_mon, stamp.tm_mday, stamp.tm_hour, stamp.tm_min, stamp.tm_sec // 2 * 2)
    part = archive + ".part"
    with zipfile.ZipFile(part, "w") as out:
        for path in files:
            entry = zipfile.ZipInfo(os.path.basename(path), date_time)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3
            entry.external_attr = ENTRY_MODE << 16
            out.writestr(entry, entry_bytes(path, version), compresslevel=9)
    os.replace(part, archive)
    with open(archive, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    sums = os.path.join(os.path.dirname(archive), "SHA256SUMS")
    with open(sums, "w", newline="\n") as f:
        f.write(f"{digest}  {os.path.basename(archive)}\n")


if __name__ == "__main__":
    main()
