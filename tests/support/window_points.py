"""The window as the desktop and the page draw it, read at known points: the colour under each and
how many dark pixels a box of text holds, so that two pictures of the same moment can be compared
although their letters are drawn by different font engines."""
import base64

# Points of the window at its size of 822 x 583 (one device pixel to one; twice the coordinates at
# two) that show the same whatever the moment, what lies there and its colour, read from the
# desktop's snapshot and checked by eye against it.
STILL_POINTS = [
    (118, 240, "router A", (192, 192, 255)),
    (330, 360, "router D", (255, 224, 192)),
    (165, 190, "table A", (192, 192, 255)),
    (700, 200, "table E", (255, 192, 255)),
    (360, 430, "table D", (255, 224, 192)),
    (430, 240, "the link B-E", (128, 128, 128)),
    (540, 240, "the link B-E near E", (128, 128, 128)),
    (37, 250, "network a's end", (192, 192, 255)),
    (290, 240, "the ground", (240, 240, 240)),
]
# Boxes of text (left, top, width, height): as many dark pixels in both, give or take half.
TEXT_BOXES = [(60, 27, 114, 20, "the title of table A"), (62, 48, 90, 20, "table A's row"),
              (540, 542, 175, 20, "the status line")]
READ_PNG = """const [png, points, boxes, ratio, origin] = arguments;
    const done = arguments[arguments.length - 1];
    const image = new Image();
    image.onload = () => {
        const c = document.createElement('canvas');
        [c.width, c.height] = [image.width, image.height];
        const g = c.getContext('2d');
        g.drawImage(image, 0, 0);
        const at = (x, y) => [(origin[0] + x) * ratio, (origin[1] + y) * ratio];
        const dark = ([x, y, w, h]) => {
            const d = g.getImageData(...at(x, y), w * ratio, h * ratio).data;
            let n = 0;
            for (let i = 0; i < d.length; i += 4) if (d[i] + d[i + 1] + d[i + 2] < 300) n++;
            return n;
        };
        done([points.map(([x, y]) => [...g.getImageData(...at(x, y), 1, 1).data].slice(0, 3)),
              boxes.map(dark), [image.width, image.height]]);
    };
    image.src = 'data:image/png;base64,' + png;"""


def read(driver, path, points, ratio=1, origin=(0, 0)):
    """The picture at `path` read in the browser: the colour at each point, the dark pixels of
    each box of text, and its size; the window's top left corner at `origin` in it."""
    with open(path, "rb") as png:
        data = base64.b64encode(png.read()).decode("ascii")
    return driver.execute_async_script(READ_PNG, data, [p[:2] for p in points],
                                       [b[:4] for b in TEXT_BOXES], ratio, list(origin))


def differences(pictures, points, name):
    """What differs between pictures read, by their names (the first the desktop's): a point not
    of its colour in any of them, a box of text with far more or fewer dark pixels than the
    first's."""
    faults = []
    for k, (x, y, what, colour) in enumerate(points):
        for shown, read_ in pictures.items():
            if any(abs(a - b) > 8 for a, b in zip(read_[0][k], colour)):
                faults.append(f"{name}: {what} at {x},{y} is {read_[0][k]} on the {shown}, "
                              f"not {colour}")
    first, *others = pictures.values()
    for k, box in enumerate(TEXT_BOXES):
        for other in others:
            desk, shown = first[1][k], other[1][k]
            if not 0.5 * desk <= shown <= 2 * desk or desk < 10:
                faults.append(f"{name}: {box[4]}: {shown} dark pixels on the page, {desk} on "
                              "the desktop")
    return faults
