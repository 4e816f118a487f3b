#pragma once

#include "document/PropertyBarHooks.h"

namespace vantorel {

class CQVDoc;

// The hub of the property windows as a document and its maps see it: the
// refreshes every edit asks for, and which document the windows show. The
// level properties bar is the one hub; views and documents know only this.
class DocumentHub : public PropertyBarHooks {
public:
    virtual CQVDoc* CurrentDocument() const = 0;
    // Makes the document current; none hides every property window.
    virtual void SetCurrentDocument(CQVDoc* document) = 0;
};

}  // namespace vantorel
