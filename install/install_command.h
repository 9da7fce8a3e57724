#pragma once

// Writes the carried files into place, in table order, stopping at the first
// that cannot be written, and tells the user the outcome.
void InstallCommand();
