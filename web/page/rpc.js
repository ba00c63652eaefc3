// Calls from the page into a worker of its own, which runs its code away from the page's thread:
// each call is a message with a number, each answer carries that number back. A worker serves
// its methods with serve; the page reaches them through connect.

// The buffers of the typed arrays in value, which an answer hands over rather than copies.
function buffersIn(value, found = new Set()) {
    if (ArrayBuffer.isView(value)) found.add(value.buffer);
    else if (value && typeof value === 'object') {
        for (const part of Object.values(value)) buffersIn(part, found);
    }
    return found;
}

/** Answers the page's calls with methods (name to function of the call's argument), and tells
 *  the page that it listens. */
export function serve(methods) {
    self.onmessage = async ({ data: { id, method, argument } }) => {
        try {
            const result = await methods[method](argument);
            self.postMessage({ id, result }, [...buffersIn(result)]);
        } catch (error) {
            self.postMessage({ id, error: { name: error.name, message: error.message } });
        }
    };
    self.postMessage({ id: 0 });
}

/** The worker that runs code (the text of a script) as a function call(method, argument) that
 *  resolves to the method's result; call.listening resolves once the worker listens, and rejects
 *  if it fails first. The worker starts at once, and again at the next call after it failed: a
 *  failed worker's calls reject. */
export function connect(code) {
    const url = URL.createObjectURL(new Blob([code], { type: 'text/javascript' }));
    const waiting = new Map();
    let worker;
    let calls = 0;
    let listens;
    let failsToListen;
    const listening = new Promise((resolve, reject) => {
        listens = resolve;
        failsToListen = reject;
    });

    const fail = (error) => {
        failsToListen(error);
        worker.terminate();
        worker = undefined;
        for (const { reject } of waiting.values()) reject(error);
        waiting.clear();
    };
    const start = () => {
        worker = new Worker(url);
        worker.onmessage = ({ data: { id, result, error } }) => {
            if (id === 0) return listens();
            const { resolve, reject } = waiting.get(id);
            waiting.delete(id);
            if (error) reject(Object.assign(new Error(error.message), { name: error.name }));
            else resolve(result);
        };
        worker.onerror = (event) => fail(new Error(`the page's worker failed: ${event.message}`));
        worker.onmessageerror = () => fail(new Error("the page's worker sent what it cannot read"));
    };

    start();
    const call = (method, argument) =>
        new Promise((resolve, reject) => {
            if (!worker) start();
            const id = ++calls;
            waiting.set(id, { resolve, reject });
            worker.postMessage({ id, method, argument });
        });
    return Object.assign(call, { listening });
}
