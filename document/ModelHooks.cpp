#include "document/ModelHooks.h"

namespace {
DocumentModelHooks* g_documentModelHooks = nullptr;
}

DocumentModelHooks* GetDocumentModelHooks()
{
    return g_documentModelHooks;
}

DocumentModelHooks* SetDocumentModelHooks(DocumentModelHooks* hooks)
{
    DocumentModelHooks* previous = g_documentModelHooks;
    g_documentModelHooks = hooks;
    return previous;
}
