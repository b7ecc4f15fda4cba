// TApplication (form creation, message loop, error handler) and TScreen (forms, fonts).
#pragma once

#include "framework/win/forms.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

class TApplication : public TComponent {
    T_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Registers common controls and the framework's window classes; creates the hidden
    // application window (class "TApplication").
    void Initialize();

    // Creates a form owned by the application, stores it in `reference`, runs its OnCreate and
    // creates its window. The first form created becomes the main form. The form and every
    // component its constructor creates are Loading while the constructor runs; each then gets
    // Loaded() once (owned components first, in creation order, then the form) before OnCreate.
    template <class F>
    void CreateForm(F*& reference) {
        F* form = nullptr;
        {
            const FormLoadingRequest request;
            form = new F(this);
        }
        reference = form;
        FormCreated(form);
    }
    // Runs the message loop until the main form closes (or Terminate).
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Dispatches the pending messages, then returns.
    void ProcessMessages();
    // Waits for one message and dispatches it.
    void HandleMessage();

    TCustomForm* MainForm() const { return mainForm_; }
    HWND Handle() const { return handle_; }
    HINSTANCE Instance() const;
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The icon of the application window and of every form without its own. Not owned.
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);

    // The default error handler: call inside a catch block. Shows the exception's text in a
    // message box (or passes it to OnException) and returns: the program goes on.
    void HandleException(TObject* sender);
    void ShowException(const std::exception& error);
    std::function<void(TObject* Sender, const std::exception& E)> OnException;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Marks the next form constructed on this thread as loading, for the scope's lifetime.
    class FormLoadingRequest {
    public:
        FormLoadingRequest();
        ~FormLoadingRequest();
        FormLoadingRequest(const FormLoadingRequest&) = delete;
        FormLoadingRequest& operator=(const FormLoadingRequest&) = delete;
    };
    void FormCreated(TCustomForm* form);
    bool ProcessMessage(MSG& msg);
    bool IsKeyMsg(MSG& msg);
    // Ctrl+F4, Ctrl+F6 and the like for the active MDI child of an MDI main form.
    bool IsMDIMsg(MSG& msg);

    TCustomForm* mainForm_ = nullptr;
    HWND handle_ = nullptr;
    HICON icon_ = nullptr;
    std::string title_ = "tweak";
    bool terminated_ = false;
    bool initialized_ = false;
};

class TScreen : public TComponent {
    T_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    // Every existing form in creation order.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
    // The form with the active window, or null.
    TCustomForm* ActiveForm() const;
    // The menu font of the system (non-client metrics).
    TFont* MenuFont();
    int Width() const;
    int Height() const;
    int PixelsPerInch() const { return 96; }

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

    std::vector<TCustomForm*> forms_;
    std::unique_ptr<TFont> menuFont_;
};

extern TApplication* Application;
extern TScreen* Screen;
