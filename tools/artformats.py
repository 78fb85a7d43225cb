"""Writers for the picture files make_art.py produces: ICO, BMP and PNG.
Pixels are rows (top first) of (red, green, blue, alpha) tuples."""
import struct
import zlib


def dib_icon_image(pixels):
    """One ICO image: BITMAPINFOHEADER, 32-bit BGRA rows and a 1-bit AND mask, both
    bottom-up. The mask is set where a pixel is fully transparent so that drawing
    without alpha support still shows the right shape."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def ico_file(images):
    """images: list of (pixels, as_png). An image is stored either as a DIB with
    an AND mask or, when as_png, as a PNG file of 8-bit RGBA, which Windows
    Vista and later accept in icons at any size. Entries keep the given order:
    LoadImage with a size of 0 takes the first one."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for pixels, as_png in images:
        size = len(pixels)
        blob = png_file(pixels, alpha=True) if as_png else dib_icon_image(pixels)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def bmp_file(pixels):
    """Uncompressed 24-bit bottom-up BMP."""
    size = len(pixels)
    stride = (size * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b, _ in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info)) + info + data


def _paeth(left, up, up_left):
    estimate = left + up - up_left
    to_left, to_up, to_up_left = abs(estimate - left), abs(estimate - up), abs(estimate - up_left)
    if to_left <= to_up and to_left <= to_up_left:
        return left
    return up if to_up <= to_up_left else up_left


def _filtered(kind, line, previous, step):
    """One scanline under PNG filter `kind` (0 none, 1 sub, 2 up, 3 average, 4 Paeth)."""
    out = bytearray([kind])
    for i, value in enumerate(line):
        left = line[i - step] if i >= step else 0
        up = previous[i]
        up_left = previous[i - step] if i >= step else 0
        predicted = (0, left, up, (left + up) // 2, _paeth(left, up, up_left))[kind]
        out.append((value - predicted) & 0xFF)
    return out


def _deflate(data, strategy):
    packer = zlib.compressobj(9, zlib.DEFLATED, 15, 9, strategy)
    return packer.compress(data) + packer.flush()


def png_file(pixels, alpha=False):
    """8-bit RGB, or RGBA when alpha, non-interlaced. Small pictures are written
    with whichever of the five scanline filters (one for the whole picture, or
    the usual per-line choice of the smallest sum of residues) and deflate
    strategies gives the smallest file; large ones, such as the contact sheet,
    unfiltered."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    height, width = len(pixels), len(pixels[0])
    step = 4 if alpha else 3
    lines = [bytes(v for px in row for v in px[:step]) for row in pixels]
    if width * height > 128 * 128:
        raw = b"".join(b"\0" + line for line in lines)
        data = zlib.compress(raw, 9)
    else:
        candidates = []
        for kind in list(range(5)) + [None]:
            previous = bytes(len(lines[0]))
            raw = bytearray()
            for line in lines:
                if kind is None:
                    raw += min((_filtered(k, line, previous, step) for k in range(5)),
                               key=lambda f: sum(v if v < 128 else 256 - v for v in f[1:]))
                else:
                    raw += _filtered(kind, line, previous, step)
                previous = line
            candidates += [_deflate(bytes(raw), s) for s in (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED)]
        data = min(candidates, key=len)
    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data)
            + chunk(b"IEND", b""))
