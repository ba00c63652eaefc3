// Runs main with the command's arguments; the module ends the process with main's exit code.
runProgram();
