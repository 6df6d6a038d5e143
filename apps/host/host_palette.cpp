#include "host_palette.h"

QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x23, 0x23, 0x23);
    const QColor text(0xE6, 0xE6, 0xE6);
    const QColor dimmed(0x80, 0x80, 0x80);
    QPalette p(window);
    const auto both = [&p](QPalette::ColorRole role, const QColor& color) {
        p.setColor(QPalette::Active, role, color);
        p.setColor(QPalette::Inactive, role, color);
        p.setColor(QPalette::Disabled, role, color);
    };
    both(QPalette::Window, window);
    both(QPalette::Base, base);
    both(QPalette::AlternateBase, window);
    both(QPalette::Button, window);
    both(QPalette::ToolTipBase, base);
    both(QPalette::ToolTipText, text);
    both(QPalette::PlaceholderText, dimmed);
    both(QPalette::Light, window.lighter(150));
    both(QPalette::Midlight, window.lighter(125));
    both(QPalette::Mid, window.lighter(200));
    both(QPalette::Dark, base.darker(150));
    both(QPalette::Shadow, Qt::black);
    both(QPalette::Link, QColor(0x5A, 0xA0, 0xF0));
    both(QPalette::LinkVisited, QColor(0xB0, 0x80, 0xF0));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        p.setColor(QPalette::Active, role, text);
        p.setColor(QPalette::Inactive, role, text);
        p.setColor(QPalette::Disabled, role, dimmed);
    }
    p.setColor(QPalette::Active, QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::Disabled, QPalette::Highlight, dimmed);
    both(QPalette::HighlightedText, Qt::white);
    return p;
}
