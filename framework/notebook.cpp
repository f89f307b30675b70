#include "framework/notebook.h"

#include <optional>
#include <string>

namespace ambrel {

bool showNotebook(Platform& platform, std::string_view name)
{
    const std::optional<std::string> path = platform.pathForResource(name, "rtfd");
    if (!path)
        return false;
    NotebookView* view = platform.notebookView();
    Window* notebook = platform.notebookWindow();
    if (!view || !notebook)
        return true;
    view->setString(*path);
    view->readDocumentFromFile(*path);
    notebook->setTitle(name);
    notebook->center();
    notebook->makeKeyAndOrderFront();
    return true;
}

}  // namespace ambrel
