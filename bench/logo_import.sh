#!/bin/bash
# Times the import of a 4000 x 3000 JPEG as a start picture and reports the
# peak memory with /usr/bin/time -v. Needs the native build of
# bench_logo_import and Debian's python3-pil.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$here/build/native/bench/bench_logo_import}"
picture="$(mktemp --suffix=.jpg)"
trap 'rm -f "$picture"' EXIT
/usr/bin/python3 - "$picture" <<'PY'
import random, sys
from PIL import Image, ImageFilter
random.seed(1)
small = Image.new("RGB", (400, 300))
small.putdata([(random.randrange(256), random.randrange(256), random.randrange(256)) for _ in range(400 * 300)])
big = small.resize((4000, 3000), Image.BICUBIC).filter(ImageFilter.GaussianBlur(2))
big.save(sys.argv[1], quality=90)
PY
/usr/bin/time -v "$bench" "$picture" 5 2> >(grep -E "Maximum resident|Elapsed" >&2)
