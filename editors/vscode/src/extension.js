// Starts tevlin-lsp, the language server of the assembler, for tevlin sources: the program that
// the setting tevlin.languageServer.path names, or tevlin-lsp from PATH. A change of the setting
// starts the server anew.
'use strict';
const { execFile } = require('child_process');
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

const setting = 'tevlin.languageServer.path';

let client;
let serverTask = Promise.resolve();

function serverCommand() {
    const configured = vscode.workspace.getConfiguration().get(setting, '').trim();
    return configured === '' ? 'tevlin-lsp' : configured;
}

// Why command does not run, or nothing when it does. Asking before the client starts keeps a
// missing server to one message, instead of the client's own connection errors.
function startFailure(command) {
    return new Promise((resolve) => {
        execFile(command, ['--version'], { timeout: 10000 },
            (error) => resolve(error ? error.message : undefined));
    });
}

function reportMissingServer(failure) {
    const openSettings = 'Open Settings';
    vscode.window.showErrorMessage(
        `tevlin-lsp, the tevlin language server, could not be started (${failure}). Install `
        + 'tevlin so that tevlin-lsp is on PATH (its Debian package does), or set '
        + `${setting} to the program.`,
        openSettings).then((choice) => {
        if (choice === openSettings) {
            vscode.commands.executeCommand('workbench.action.openSettings', setting);
        }
    });
}

async function startServer() {
    const command = serverCommand();
    const failure = await startFailure(command);
    if (failure !== undefined) {
        reportMissingServer(failure);
        return;
    }
    const starting = new LanguageClient('tevlin', 'tevlin language server', { command },
        { documentSelector: [{ language: 'tevlin' }] });
    await starting.start();
    client = starting;
}

async function stopServer() {
    const running = client;
    client = undefined;
    if (running !== undefined) await running.stop();
}

// Runs task after the earlier ones, whether they failed or not, so that quick changes of the
// setting leave one server running.
function queue(task) {
    serverTask = serverTask.then(task, task);
    return serverTask;
}

function activate(context) {
    context.subscriptions.push(vscode.workspace.onDidChangeConfiguration((event) => {
        if (event.affectsConfiguration(setting)) queue(() => stopServer().then(startServer));
    }));
    return queue(startServer);
}

module.exports = { activate, deactivate: () => queue(stopServer) };
