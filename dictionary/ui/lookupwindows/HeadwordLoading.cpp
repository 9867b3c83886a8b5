#include "HeadwordLoading.h"

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Genral.h"
#include "StoreSchema.h"
#include "WideText.h"
#include "access/DataError.h"
#include "access/Recordset.h"
#include "frmEnglish2Sindhi.h"
#include "frmSindhiToEnglish.h"

namespace dictionary {

using namespace sindhikit;
using dataaccess::DataError;
using dataaccess::Recordset;

namespace {

template <typename Yield>
void Twice(Yield& yield) {
    yield();
    yield();
}

// The yields between rows. A pass over the pending messages costs a round trip to the
// window system whether or not anything is pending, and redrawing a list after each added
// row costs far more than adding it; hundreds of thousands of rows would spend most of
// their time on both. So a pass runs at most once a frame (16 ms), and input waits no
// longer than a frame; the lists, drawn only on passes, are drawn anew four times a
// second, so they still grow on screen while they fill.
class RowYields {
 public:
    // `lists`: the lists being filled, asked anew each time (the user may close their window).
    RowYields(const std::function<void()>& yield, std::function<std::vector<controls::Control*>()> lists)
        : yield_(yield), lists_(std::move(lists)) {
        Redraw(false);
    }
    ~RowYields() { Redraw(true); }
    RowYields(const RowYields&) = delete;
    RowYields& operator=(const RowYields&) = delete;

    void operator()() {
        const ULONGLONG now = GetTickCount64();
        if (now - lastPass_ < kFrameMs) return;
        const bool redraw = now - lastRedraw_ >= kRedrawMs;
        if (redraw) Redraw(true);
        yield_();
        if (redraw) {
            Redraw(false);
            lastRedraw_ = GetTickCount64();
        }
        lastPass_ = GetTickCount64();
    }

 private:
    static constexpr ULONGLONG kFrameMs = 16;
    static constexpr ULONGLONG kRedrawMs = 250;
    void Redraw(bool on) {
        for (controls::Control* list : lists_()) list->SetRedraw(on);
    }

    const std::function<void()>& yield_;
    std::function<std::vector<controls::Control*>()> lists_;
    ULONGLONG lastPass_ = GetTickCount64();
    ULONGLONG lastRedraw_ = lastPass_;
};

// Opens the query's recordset; a failure leaves it closed, which the count test reports.
void OpenSkippingFailure(Recordset& rs, std::u16string_view query) {
    try {
        rs.Open(query, StoreConnection);
    } catch (const DataError&) {
    }
}

// The count test: known empty, or the count cannot be read, says "Data not found..".
bool ReportIfNoData(const Recordset& rs, HWND owner) {
    bool empty = true;
    try {
        empty = rs.RecordCount() == 0;
    } catch (const DataError&) {
    }
    if (empty) MessageBoxW(owner, L"Data not found..", L"error", MB_OK | MB_ICONSTOP);
    return empty;
}

// A failing move would leave the walk on the same row for ever: it ends the walk.
bool MoveNextOrStop(Recordset& rs) {
    try {
        rs.MoveNext();
        return true;
    } catch (const DataError&) {
        return false;
    }
}

void CloseSkippingFailure(Recordset& rs) {
    try {
        rs.Close();
    } catch (const DataError&) {
    }
}

}  // namespace

std::wstring ProgressCaption(const std::wstring& lastHeadword) {
    std::wstring caption = L"Loading Data.. ";
    if (!lastHeadword.empty()) caption += static_cast<wchar_t>(UpperCaseUnit(static_cast<char16_t>(lastHeadword[0])));
    caption += L" ..Please wait ";
    return caption;
}

void LoadEnglishHeadwords(const EnglishWindowNow& window, const std::function<void(const std::wstring&)>& progress,
                          const LoadingServices& services) {
    Recordset rs;
    OpenSkippingFailure(rs, schema::EnglishHeadwordsQueryText);
    Twice(services.yield);
    if (ReportIfNoData(rs, services.owner)) return;
    try {
        rs.MoveFirst();
    } catch (const DataError&) {
    }
    if (frmEnglish2Sindhi* w = window()) {
        w->WordList->Clear();
        w->WordBox->Clear();
    }
    std::wstring v;
    RowYields yield(services.yield, [&window]() -> std::vector<controls::Control*> {
        if (frmEnglish2Sindhi* w = window()) return {w->WordList.get(), w->WordBox.get()};
        return {};
    });
    while (!rs.Eof()) {
        try {
            if (auto x = rs.Fields(u"X")) {
                v = Wide(DecryptText(*x, CipherKey));
                if (frmEnglish2Sindhi* w = window()) {
                    w->WordList->AddItem(v);
                    w->WordBox->AddItem(v);
                }
            }
        } catch (const DataError&) {
        }
        if (!MoveNextOrStop(rs)) break;
        progress(ProgressCaption(v));
        Twice(yield);
    }
    CloseSkippingFailure(rs);
}

void LoadSindhiHeadwords(const SindhiWindowNow& window, const LoadingServices& services) {
    Recordset rs;
    OpenSkippingFailure(rs, schema::SindhiHeadwordsQueryText);
    Twice(services.yield);
    if (ReportIfNoData(rs, services.owner)) return;
    try {
        rs.MoveFirst();
    } catch (const DataError&) {
    }
    if (frmSindhiToEnglish* w = window()) {
        w->WordBox->Clear();
        w->WordList->Clear();
    }
    RowYields yield(services.yield, [&window]() -> std::vector<controls::Control*> {
        if (frmSindhiToEnglish* w = window()) return {w->WordList.get(), w->WordBox.get()};
        return {};
    });
    while (!rs.Eof()) {
        try {
            if (auto y = rs.Fields(u"Y")) {
                const std::wstring v = Wide(*y);
                if (frmSindhiToEnglish* w = window()) {
                    w->WordList->AddItem(v);
                    w->WordBox->AddItem(v);
                }
                yield();
            }
        } catch (const DataError&) {
        }
        if (!MoveNextOrStop(rs)) break;
        yield();
    }
    CloseSkippingFailure(rs);
}

}  // namespace dictionary
