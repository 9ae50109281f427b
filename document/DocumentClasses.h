// The classes a document file may name, registered so that loading can create them by name.
// Registering again is harmless; every load calls it first.
#pragma once

void RegisterDocumentClasses();
