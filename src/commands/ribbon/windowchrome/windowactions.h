#pragma once

class QWidget;

// What the window's own buttons and menu do to it.
namespace Tagovnik::Ribbon::WindowActions {

// A window with a fixed size cannot be sized or maximised.
bool isResizable(const QWidget *window);
// Maximises the window, or restores it when maximised.
void toggleMaximised(QWidget *window);

} // namespace Tagovnik::Ribbon::WindowActions
