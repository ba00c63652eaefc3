// A session of tevlin-lsp in its WebAssembly module (session.cpp): the page's worker hands it one
// message at a time, tevlin-lsp.mjs the bytes of its standard input.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

/** A new session of the language server in instance, a module that createTevlinLsp made. */
export function startSession(instance) {
    const session = instance._session_create();
    // Calls exported on bytes copied into the module's memory; the bytes of the text it gives,
    // which the next call overwrites.
    const call = (exported, bytes) => {
        const at = instance._malloc(bytes.length);
        instance.HEAPU8.set(bytes, at);
        const text = exported(session, at, bytes.length);
        instance._free(at);
        return instance.HEAPU8.subarray(text, instance.HEAPU8.indexOf(0, text));
    };
    return {
        /** The messages (JSON text) to send in answer to message. */
        receive(message) {
            const bytes = call(instance._session_receive, encoder.encode(message));
            const replies = decoder.decode(bytes);
            return replies === '' ? [] : replies.slice(0, -1).split('\n');
        },
        /** The bytes to write in answer to bytes of the protocol's stream. */
        feed: (bytes) => call(instance._session_feed, bytes).slice(),
        /** Whether the client has told the server to exit. */
        exited: () => instance._session_exited(session) === 1,
        exitCode: () => instance._session_exit_code(session),
    };
}
