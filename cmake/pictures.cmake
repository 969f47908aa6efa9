# The eight pictures of the illustrations window, as the language tables name
# them: drawn by tools/picturemaker, installed beside the programs and put on
# the browser build's site.
set(DISH_PICTURE_NAMES
    GDS1ENG.BMP 1kENG.BMP 2kENG.BMP 3kENG.BMP
    GDS001.BMP 1k.BMP 2k.BMP 3k.BMP)
