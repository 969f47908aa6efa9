// Texts and bytes handed to the program: copied into its memory, which the
// program frees.

export function newString(text) {
    const size = lengthBytesUTF8(text) + 1;
    const made = _malloc(size);
    stringToUTF8(text, made, size);
    return made;
}

export function newBytes(bytes) {
    const made = _malloc(Math.max(1, bytes.length));
    HEAPU8.set(bytes, made);
    return made;
}
