"""The 44-byte settings block as the seed scripts pack it: little-endian, naturally aligned,
the two alignment bytes after sharpness zero."""
import struct

FIELDS = "<7h2xi4h3i2h"
NAMES = ("brightness contrast saturation cyanBalance magentaBalance yellowBalance sharpness "
         "unsharpEnabled unsharpAmount unsharpRadius unsharpThreshold resize naturalColorOff "
         "orderId orderIdEnabled colorMode printMode").split()
DEFAULTS = dict.fromkeys(NAMES, 0) | {"unsharpAmount": 5, "unsharpRadius": 10,
                                      "unsharpThreshold": 5}


def settings(**changes):
    """The default settings with the given fields changed."""
    values = DEFAULTS | changes
    return struct.pack(FIELDS, *(values[name] for name in NAMES))
