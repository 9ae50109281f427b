// Registration of the data model's serializable classes, so that an archive can create them by the
// class names it stores. A class that only a load creates is never named elsewhere in the program,
// and the linker would drop its registration along with it; start-up calls this once.
// It also tells the object layer how to copy the modelling objects for undo and the copy buffer,
// and which default-attribute prototypes the main frame makes for them, and gives the view the
// tools that draw them (DataModelTools.h).
#pragma once

void RegisterDataModelClasses();
