// The student's program kept in the browser's storage as they type, so that a reload brings it
// back, and carried whole in a link: the source compressed into the link's fragment, which the
// browser sends nowhere.

const kKey = 'tevlin-playground';

/** Keeps program ({name, packed or text, edited, example}); false when the storage refuses it,
 *  as it does beyond a few megabytes. */
export function keep(program) {
    try {
        localStorage.setItem(kKey, JSON.stringify(program));
        return true;
    } catch {
        return false;
    }
}

/** The program kept last, or null. */
export function kept() {
    try {
        return JSON.parse(localStorage.getItem(kKey));
    } catch {
        return null;
    }
}

/** A link to this page that opens the program named name, its source packed. */
export function linkTo(name, packed) {
    const link = new URL(location.href);
    link.hash = new URLSearchParams({ name, source: packed }).toString();
    return link.href;
}

/** The program ({name, packed}) that the page's link carries, or null; the page's address then
 *  loses it, so that a reload brings back the student's own program. */
export function takeLinkedProgram() {
    const fields = new URLSearchParams(location.hash.slice(1));
    if (!fields.has('source')) return null;
    history.replaceState(null, '', location.pathname + location.search);
    return { name: fields.get('name') ?? 'prog.asm', packed: fields.get('source') };
}
