#!/usr/bin/env python3
# The known answers of tests/safety/crypto_test.cpp, from an implementation
# of CAST-128 other than ours: OpenSSL's CAST5 in ECB mode through Python's
# "cryptography" package (OpenSSL has no CAST5 with 8-bit feedback, so the
# CFB-8 loop is written here and checked first against OpenSSL's own
# AES-CFB8). Run once by hand; the tests keep the printed values.
import hashlib, base64, os, warnings
warnings.simplefilter("ignore")
from cryptography.hazmat.decrepit.ciphers.algorithms import CAST5
from cryptography.hazmat.primitives.ciphers import Cipher, modes, algorithms
VERIFY = bytes.fromhex("395456326B2F773422A72D2B2D2B3B52")
assert VERIFY == '9TV2k/w4"§-+-+;R'.encode('cp1252')
def ecb(alg, block):
    e = Cipher(alg, modes.ECB()).encryptor(); return e.update(block) + e.finalize()
def cfb8(alg, iv, data, decrypt=False):
    reg = bytearray(iv); out = bytearray()
    for byte in data:
        o = ecb(alg, bytes(reg))[0] ^ byte
        out.append(o); reg = reg[1:] + bytes([byte if decrypt else o])
    return bytes(out)
k = os.urandom(16); iv = os.urandom(16); d = os.urandom(37)
e = Cipher(algorithms.AES(k), modes.CFB8(iv)).encryptor()
assert cfb8(algorithms.AES(k), iv, d) == e.update(d) + e.finalize()
assert cfb8(algorithms.AES(k), iv, cfb8(algorithms.AES(k), iv, d), True) == d
def check_value(pw):
    key = hashlib.sha1(pw.encode('cp1252')).digest()[:16]
    iv = ecb(CAST5(key), b'\xff' * 8)
    return key.hex(), iv.hex(), base64.b64encode(cfb8(CAST5(key), iv, VERIFY)).decode()
for pw in ["Geheimnis", "geheimnis", "Kennwort", "Größe-123", "", "Quellwerk 98"]:
    print(repr(pw), *check_value(pw))
def maint(n):
    a = bytearray(bytes.fromhex("0123456712345678234567893456789A")); b = bytearray(a)
    for _ in range(n):
        a[0:8] = ecb(CAST5(bytes(b)), bytes(a[0:8])); a[8:16] = ecb(CAST5(bytes(b)), bytes(a[8:16]))
        b[0:8] = ecb(CAST5(bytes(a)), bytes(b[0:8])); b[8:16] = ecb(CAST5(bytes(a)), bytes(b[8:16]))
    return a.hex(), b.hex()
# RFC 2144, B.2, shortened to 1000 rounds.
print("maint 1000", maint(1000))
key = hashlib.sha1(b"Geheimnis").digest()[:16]; iv = ecb(CAST5(key), b'\xff'*8)
print("cfb8 40", cfb8(CAST5(key), iv, bytes(range(40))).hex())
