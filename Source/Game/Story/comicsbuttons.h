// The story screen's two buttons. The screen asks only whether the skip
// button is held down as the click that ends on it is released; "next"
// has no action of its own, its click turns the page like any other.
#pragma once

class IComicsButtons {
public:
    virtual ~IComicsButtons() = default;
    // The buttons' sheet becomes the GUI's root (the menus go).
    virtual void showSheet() = 0;
    virtual bool isSkipPushed() const = 0;
};
