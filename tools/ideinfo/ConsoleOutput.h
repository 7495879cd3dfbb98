// Makes the console show the UTF-8 that ideinfo writes (folder names with accents are common).
#pragma once

void UseUtf8ConsoleOutput();
