#pragma once

// Writes the six lines that explain the command line.
void ShowSyntax();
