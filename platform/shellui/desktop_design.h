#pragma once

#include <QString>

#include <memory>
#include <vector>

// A desktop design: the look the suite's windows take. Design 0 is the classic look, which
// keeps the platform's own colours; the others are folders of images (arrows and the like)
// whose windows take the design's colours.
class CDesktopDesignBase {
public:
    // Property ids for GetPropertyStr.
    enum Property { kName = 1, kImageFolder = 3 };

    CDesktopDesignBase(const QString& name, const QString& imageFolder, int classicLook);

    // The text of a property; `fallback` (or empty) for an unknown one or an empty value.
    QString GetPropertyStr(int property, const QString* fallback) const;
    // True when windows are to paint in this design's colours.
    bool UsesDesignColours() const { return m_classicLook == 0; }

    QString m_name;
    QString m_imageFolder;
    // Non-zero for the classic look; such a design has no colours of its own.
    int m_classicLook = 0;
};

// The designs of the installation: the classic look first, then one design per folder under
// "Designs" of the supplied data, in name order. One current design; the first folder design
// when there is one.
class CDesktopDesignManager {
public:
    // The process-wide manager, read from the installation's support folder on first use.
    static CDesktopDesignManager* GetInstance();

    CDesktopDesignManager() = default;
    // Reads the designs under `designsFolder` (a missing folder gives the classic look only).
    explicit CDesktopDesignManager(const QString& designsFolder);

    // Design n, or the current design for n = -1; null when there is no such design.
    CDesktopDesignBase* GetDesign(int n) const;
    int DesignCount() const { return int(m_designs.size()); }
    void SetCurrent(int n) { m_current = n; }
    int Current() const { return m_current; }

private:
    std::vector<std::unique_ptr<CDesktopDesignBase>> m_designs;
    int m_current = 0;
};
