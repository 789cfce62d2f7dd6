#pragma once
// The help pages, compiled in as Qt resources under ":/help/". A static library's resources
// are registered only when something asks for them: call this once before opening a page.

namespace quotara {

void registerShippedHelp();

} // namespace quotara
