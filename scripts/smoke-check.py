#!/usr/bin/python3
"""Exits 0 when the file is a compound document whose drawing holds a rectangle."""
import sys

import olefile

with olefile.OleFileIO(sys.argv[1]) as ole:
    contents = ole.openstream("Contents").read()
sys.exit(0 if b"CRectObj" in contents else 1)
