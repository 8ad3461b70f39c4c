#pragma once

#include "app/AppPage.h"
#include "core/TunnelPhase.h"

#include <functional>
#include <memory>

class QWidget;

namespace vantorel {

class AppModel;
struct ProfileLibrary;

namespace screenshots {

// Puts the model into the state a picture shows; `library` is what it was started with.
using ModelState = std::function<void(AppModel& model, const ProfileLibrary& library)>;

// The made-up libraries a window can show: eight locations of ordinary length, none, or three whose
// every text is as long as it may be (names and countries of 80 W's, the widest letter).
enum class Library { sample, empty, longest };

// The main window on a page, over a made-up library read from a throwaway folder, in the state
// `state` puts the model in.
std::unique_ptr<QWidget> window(AppPage page, const ModelState& state = {}, Library library = Library::sample);

// Builds the window on a page while the tunnel reports `phase` for the first location; with
// `sessionStarted`, a session that began an hour, two minutes and five seconds ago.
std::function<std::unique_ptr<QWidget>()> windowIn(AppPage page, TunnelPhase phase, bool sessionStarted = false);

} // namespace screenshots
} // namespace vantorel
