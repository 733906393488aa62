#pragma once

namespace yb {

// Application-wide settings that several windows read.
struct Ajustes {
    bool ingles = false; // English interface: a directory "English" exists; fixed for the run
    bool editor = false; // editor mode: started with the editor word; fixed for the run
    int esquema = 1;     // colour scheme, 1 to 5 (other numbers colour black)
    int letra = 10;      // point size of the long texts and lists, at least 10
};

} // namespace yb
