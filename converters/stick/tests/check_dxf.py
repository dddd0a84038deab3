"""Reads the DXF file that QlStFi writes of bridge.lis with ezdxf.

    /usr/bin/python3 check_dxf.py QLSTFI LISTING WORK

Runs QlStFi on a copy of the listing in WORK with the mask 8, checks the
header's BRIDGE FILE line, then loads the DXF file strictly and checks its
version, its 3D polylines, their vertices and layers, and the audit. Exits 0 when every check holds, 77 (the test is
skipped) where ezdxf is not installed, and 1 on any other failure.
"""
import os
import shutil
import subprocess
import sys
from pathlib import Path

try:
    import ezdxf
except ImportError:
    print("check_dxf: ezdxf is not installed (make deps installs python3-ezdxf); skipped")
    sys.exit(77)

# The drawn rows of bridge.lis (X, Y, ELEVATION as listed), line by line in
# listing order, then the transverse lines of two or more crossings in order
# of first appearance; each polyline repeats its last vertex.
G1 = [(-120, -50, 1005.25), (-110, -50, 1005.30), (-80, -50, 1005.45),
      (-60, -50, 1005.55), (-30, -50, 1005.70), (0, -50, 1006.00)]
G2 = [(-121.5, -40, 1005.20), (-90, -40, 1005.36), (-61.5, -40, 1005.50),
      (-30, -40, 1005.66), (-1.5, -40, 1005.95)]
RIGHT_EDGE = [(-124, -30, 1005.00), (-123, -30, 1005.10), (-63, -30, 1005.40),
              (-3, -30, 1005.85)]
CTRL_LINE = [(-125, -45, 1005.22)]
LEFT_EDGE_OUT = [(-126, -55, 1005.05), (-125.5, -55, 1005.15), (-4, -55, 1005.90)]
EXPECTED = [
    # Names holding GIR are BROKEN; RIGHT without OUT and LEFT with OUT are
    # OUTLINE; CTRL is BROKEN.
    ("BROKEN", G1),
    ("BROKEN", G2),
    ("OUTLINE", RIGHT_EDGE),
    ("BROKEN", CTRL_LINE),
    ("OUTLINE", LEFT_EDGE_OUT),
    # Transverse lines, all BROKEN: CL ABUT 1, CL PIER 2, CL ABUT 3, BF 1.
    ("BROKEN", [G1[0], G2[0], RIGHT_EDGE[1], CTRL_LINE[0], LEFT_EDGE_OUT[1]]),
    ("BROKEN", [G1[3], G2[2], RIGHT_EDGE[2]]),
    ("BROKEN", [G1[5], G2[4], RIGHT_EDGE[3], LEFT_EDGE_OUT[2]]),
    ("BROKEN", [RIGHT_EDGE[0], LEFT_EDGE_OUT[0]]),
]


def fail(message):
    print("check_dxf: " + message)
    sys.exit(1)


def main():
    program, listing, work = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    shutil.copy(listing, work / "bridge.lis")
    run = subprocess.run([program, "bridge.lis", "8"], cwd=work, capture_output=True, text=True)
    if run.returncode != 1:
        fail("QlStFi ended with %d: %s %s" % (run.returncode, run.stdout, run.stderr))

    # The header names the listing by its absolute path, though QlStFi was
    # given its bare name.
    header = (work / "bridge.DXF").read_text().split("\n")[7]
    wanted_header = "BRIDGE FILE: " + os.path.realpath(work / "bridge.lis")
    if header != wanted_header:
        fail("header line %r, not %r" % (header, wanted_header))

    doc = ezdxf.readfile(str(work / "bridge.DXF"))
    if doc.dxfversion != "AC1009":
        fail("version %s, not AC1009" % doc.dxfversion)
    polylines = list(doc.modelspace().query("POLYLINE"))
    if len(polylines) != len(EXPECTED):
        fail("%d polylines, not %d" % (len(polylines), len(EXPECTED)))
    for n, (polyline, (layer, points)) in enumerate(zip(polylines, EXPECTED)):
        if polyline.get_mode() != "AcDb3dPolyline":
            fail("polyline %d is %s" % (n, polyline.get_mode()))
        if polyline.dxf.layer != layer:
            fail("polyline %d on layer %s, not %s" % (n, polyline.dxf.layer, layer))
        vertices = [tuple(v.dxf.location) for v in polyline.vertices]
        wanted = points + [points[-1]]
        if len(vertices) != len(wanted):
            fail("polyline %d has %d vertices, not %d" % (n, len(vertices), len(wanted)))
        for got, want in zip(vertices, wanted):
            if any(abs(g - w) > 1e-6 for g, w in zip(got, want)):
                fail("polyline %d: vertex %s, not %s" % (n, got, want))
    auditor = doc.audit()
    if auditor.has_errors:
        fail("audit errors: %s" % [str(e) for e in auditor.errors])
    print("check_dxf: %d polylines as expected" % len(polylines))


main()
