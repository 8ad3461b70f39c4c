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

// The main window on a page, over a made-up library of eight locations (or none) read from a
// throwaway folder, in the state `state` puts the model in.
std::unique_ptr<QWidget> window(AppPage page, const ModelState& state = {}, bool withLocations = true);

// Builds the window on a page while the tunnel reports `phase` for the first location; with
// `sessionStarted`, a session that began an hour, two minutes and five seconds ago.
std::function<std::unique_ptr<QWidget>()> windowIn(AppPage page, TunnelPhase phase, bool sessionStarted = false);

} // namespace screenshots
} // namespace vantorel
