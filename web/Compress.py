"""Writes each file given beside itself compressed with gzip (NAME.gz), at the highest level and
with no time in its header, so that the same file always gives the same bytes.
    Compress.py FOLDER FILE...   (FILE relative to FOLDER)"""
import gzip
import os
import sys

folder = sys.argv[1]
for name in sys.argv[2:]:
    path = os.path.join(folder, name)
    with open(path, "rb") as source:
        data = source.read()
    with open(path + ".gz", "wb") as out:
        out.write(gzip.compress(data, compresslevel=9, mtime=0))
