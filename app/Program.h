#pragma once
#include "FavouritesState.h"
#include "Globals.h"
#include "platform/files/FolderWatcher.h"

#include <functional>
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

class BrowserWindow;
class FileSystem;
class Form;
class ProcessService;
class QWidget;
class SystemServices;
class UiServices;
class WebBrowser;

using BrowserFactory = std::function<std::unique_ptr<WebBrowser>(QWidget* parent)>;

struct ProgramServices {
    UiServices& ui;
    FileSystem& fs;
    ProcessService& processes;
    SystemServices& system;
    BrowserFactory makeBrowser;
    FolderWatcherFactory makeFolderWatcher = {}; // a program that shows no favourites needs none
};

// The running program: its program-wide variables, the single instance of every window
// and the platform services. Tests build a fresh one with fakes.
class Program {
public:
    explicit Program(ProgramServices services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Globals g;
    // The favourites viewer's state: it outlasts the viewer's window, as a new walk of the
    // Favourites folder carries on from where the last one left.
    FavouritesState favourites;

    UiServices& ui() const { return services_.ui; }
    FileSystem& fs() const { return services_.fs; }
    ProcessService& processes() const { return services_.processes; }
    SystemServices& system() const { return services_.system; }
    std::unique_ptr<WebBrowser> MakeBrowser(QWidget* parent) const;
    std::unique_ptr<FolderWatcher> MakeFolderWatcher(std::function<void()> changed) const;

    // The window of type T, created and loaded at its first use.
    template <class T> T& form()
    {
        if (Form* existing = Find(typeid(T)))
            return static_cast<T&>(*existing);
        auto* created = new T(*this);
        Add(typeid(T), created);
        created->RunLoad();
        return *created;
    }
    // The window of type T if it is loaded, else nullptr; never creates it.
    template <class T> T* loaded() const { return static_cast<T*>(Find(typeid(T))); }

    // Unloads every loaded window but `keep`, newest first.
    void UnloadAllExcept(const Form* keep);

    // The browser window, as the other windows see it.
    void SetBrowserWindow(std::function<BrowserWindow&()> provider) { browserWindow_ = std::move(provider); }
    BrowserWindow& browserWindow() const { return browserWindow_(); }

private:
    Form* Find(std::type_index type) const;
    void Add(std::type_index type, Form* form);

    struct Entry {
        std::type_index type;
        Form* form;
    };

    ProgramServices services_;
    // Every window alive, oldest first; a window leaves as it is destroyed.
    std::vector<Entry> forms_;
    std::function<BrowserWindow&()> browserWindow_;
};
