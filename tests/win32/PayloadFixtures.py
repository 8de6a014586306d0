"""Writes the payload test's resources into the given folder: a branding
block whose file has length 0 and starts with "K", and the files that the
product archive is packed from."""
import os
import sys

folder = sys.argv[1]
with open(os.path.join(folder, "empty.block"), "wb") as f:
    f.write(b"K.K.MW3RAS.K.K." + bytes(4) + b"K" + b"+" * (8192 - 20))
with open(os.path.join(folder, "MailWarden.exe"), "wb") as f:
    f.write(b"MZ server " * 10000)
with open(os.path.join(folder, "readme.txt"), "wb") as f:
    f.write(b"Read me.\r\n" * 300)
