// Searching an array sorted in ascending order.

/** The index of the first element of sorted that is at least at, or sorted.length. */
export function firstAtLeast(sorted, at) {
    let low = 0;
    let high = sorted.length;
    while (low < high) {
        const middle = (low + high) >> 1;
        if (sorted[middle] < at) low = middle + 1;
        else high = middle;
    }
    return low;
}
