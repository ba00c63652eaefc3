// A source file's bytes as editor text and back, without loss: well-formed UTF-8 becomes its
// characters, and every other byte B becomes the lone surrogate U+DC00 + B, which decoded UTF-8
// never holds. The assembler reads bytes, so the text always turns back into the same bytes.

const decoder = new TextDecoder('utf-8', { ignoreBOM: true });
// Most files are well-formed UTF-8 throughout: this decoder takes them in one call, and throws on
// the others, which are then taken a sequence at a time.
const wholeDecoder = new TextDecoder('utf-8', { ignoreBOM: true, fatal: true });
const encoder = new TextEncoder();

// The byte ranges of a well-formed UTF-8 sequence by its first byte: its length and the range of
// its second byte (the later ones are all 0x80 to 0xBF).
function sequenceAt(bytes, i) {
    const first = bytes[i];
    if (first < 0x80) return 1;
    const [length, low, high] =
        first >= 0xc2 && first <= 0xdf ? [2, 0x80, 0xbf]
        : first === 0xe0 ? [3, 0xa0, 0xbf]
        : first === 0xed ? [3, 0x80, 0x9f]
        : first >= 0xe1 && first <= 0xef ? [3, 0x80, 0xbf]
        : first === 0xf0 ? [4, 0x90, 0xbf]
        : first >= 0xf1 && first <= 0xf3 ? [4, 0x80, 0xbf]
        : first === 0xf4 ? [4, 0x80, 0x8f]
        : [0];
    if (length === 0 || i + length > bytes.length) return 0;
    if (bytes[i + 1] < low || bytes[i + 1] > high) return 0;
    for (let k = 2; k < length; k++) {
        if ((bytes[i + k] & 0xc0) !== 0x80) return 0;
    }
    return length;
}

export function bytesToText(bytes) {
    try {
        return wholeDecoder.decode(bytes);
    } catch {
        return bytesToTextInParts(bytes);
    }
}

function bytesToTextInParts(bytes) {
    const parts = [];
    let start = 0;
    for (let i = 0; i < bytes.length; ) {
        const length = sequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        parts.push(decoder.decode(bytes.subarray(start, i)));
        parts.push(String.fromCharCode(0xdc00 + bytes[i]));
        start = ++i;
    }
    parts.push(decoder.decode(bytes.subarray(start)));
    return parts.join('');
}

// A lone surrogate in U+DC80 to U+DCFF, not the second half of a pair.
export const kByteCharacter = /[\udc80-\udcff]/u;

export function textToBytes(text) {
    if (!kByteCharacter.test(text)) return encoder.encode(text);
    const chunks = text
        .split(new RegExp(`(${kByteCharacter.source})`, 'u'))
        .map((piece, k) => (k % 2 === 1 ? [piece.charCodeAt(0) - 0xdc00] : encoder.encode(piece)));
    const bytes = new Uint8Array(chunks.reduce((sum, chunk) => sum + chunk.length, 0));
    let at = 0;
    for (const chunk of chunks) {
        bytes.set(chunk, at);
        at += chunk.length;
    }
    return bytes;
}

/** The lines of a program's output, as text; the line end of the last one ends no further line. */
export function textLines(bytes) {
    const text = bytesToText(bytes);
    return text === '' ? [] : text.replace(/\n$/, '').split('\n');
}

/** A response whose body is the gzip-compressed bytes unpacked, of the given content type:
 *  WebAssembly compiles from one as it arrives. */
export function gunzipped(bytes, type) {
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Response(stream, { headers: { 'content-type': type } });
}
