#include "quickcontrols.h"

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

QuickChoice::QuickChoice(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style)
    : wxChoice(parent, id, pos, size, 0, nullptr, style)
{
#ifdef __WXGTK__
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, "combobox { -GtkComboBox-appears-as-list: 1; }", -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(GetHandle()), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
#endif
}

