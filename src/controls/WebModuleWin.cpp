// SPDX-License-Identifier: GPL-2.0-or-later
// The web panels on Windows host the system's browser control in the
// panel's own native window, through the smallest container the control
// accepts: a client site that is also the in-place site and frame.
#include "controls/WebModule.h"

#include <QResizeEvent>
#include <QUrl>
#include <QWidget>

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

namespace {

// The container's side of the conversation with the browser control. It
// lives as long as the control holds a reference to it.
class TBrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit TBrowserSite(HWND window) : m_window(window) {}

    void Detach() { m_window = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override
    {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override
    {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the in-place site and the frame.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        if (!window) return E_POINTER;
        *window = m_window;
        return m_window ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return m_window ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO info) override
    {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        GetClientRect(m_window, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = m_window;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: the panel offers the
    // control no tool space and no menus.
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    virtual ~TBrowserSite() = default;

    HWND m_window;
    ULONG m_references = 1;
};

// A panel-sized native window with the browser control active inside it.
class TBrowserView final : public QWidget {
public:
    explicit TBrowserView(QWidget* parent) : QWidget(parent)
    {
        // The control draws into its own child of this window; Qt paints
        // nothing here.
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_PaintOnScreen);
    }
    ~TBrowserView() override { Release(); }

    // False when the system has no browser control to give.
    bool Create()
    {
        if (!OleReady()) return false;
        // The control first: without one, no native window is made.
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&m_object))))
            return false;
        const HWND window = reinterpret_cast<HWND>(winId());
        if (!window) {
            Release();
            return false;
        }
        m_site = new TBrowserSite(window);
        if (FAILED(m_object->SetClientSite(static_cast<IOleClientSite*>(m_site)))) {
            Release();
            return false;
        }
        RECT area{0, 0, width(), height()};
        if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(m_site), 0,
                                    window, &area)) ||
            FAILED(m_object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_browser)))) {
            Release();
            return false;
        }
        m_browser->put_Silent(VARIANT_TRUE);
        return true;
    }

    void Navigate(const QUrl& url)
    {
        if (!m_browser) return;
        BSTR address = SysAllocString(reinterpret_cast<const OLECHAR*>(url.toString().utf16()));
        if (!address) return;
        VARIANT empty;
        VariantInit(&empty);
        m_browser->Navigate(address, &empty, &empty, &empty, &empty);
        SysFreeString(address);
    }

    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (!m_object) return;
        IOleInPlaceObject* inPlace = nullptr;
        if (FAILED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))))
            return;
        const RECT area{0, 0, width(), height()};
        inPlace->SetObjectRects(&area, &area);
        inPlace->Release();
    }

private:
    static bool OleReady()
    {
        // Once per program; the window thread stays a single-threaded
        // apartment for its whole life, so it is never undone.
        static const bool ready = SUCCEEDED(OleInitialize(nullptr));
        return ready;
    }

    void Release()
    {
        if (m_browser) {
            m_browser->Stop();
            m_browser->Release();
            m_browser = nullptr;
        }
        if (m_object) {
            IOleInPlaceObject* inPlace = nullptr;
            if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
                inPlace->InPlaceDeactivate();
                inPlace->Release();
            }
            m_object->Close(OLECLOSE_NOSAVE);
            m_object->SetClientSite(nullptr);
            m_object->Release();
            m_object = nullptr;
        }
        if (m_site) {
            m_site->Detach();
            static_cast<IOleClientSite*>(m_site)->Release();
            m_site = nullptr;
        }
    }

    IOleObject* m_object = nullptr;
    IWebBrowser2* m_browser = nullptr;
    TBrowserSite* m_site = nullptr;
};

} // namespace

QWidget* NewWebView(QWidget* parent)
{
    auto* view = new TBrowserView(parent);
    if (view->Create()) return view;
    delete view;
    return nullptr;
}

void OpenWebView(QWidget* view, const QUrl& url)
{
    if (auto* browser = dynamic_cast<TBrowserView*>(view)) browser->Navigate(url);
}
