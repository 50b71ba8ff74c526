#pragma once

#include <QString>

#include <array>

// How a page scene widget is built: which controls it has (the option bits)
// and their texts, tool tips and icons. An empty text takes its default.
class CCmnSceneWidgetParams
{
public:
    enum EOption {
        NoZoomBox = 0x01,
        Interactive = 0x02,
        PrintPreviewButton = 0x04,
        StandardPrintDialog = 0x08,
        SimplePrintDialog = 0x10,
        PushButtons = 0x20,
        NoCombinedPrintButton = 0x40,
        SeparatePrintScene = 0x80,
        SaveButton = 0x100,
        ExportPdfButton = 0x200,
        ExportImageButton = 0x400,
    };

    // The positions of the texts.
    enum EText {
        PrinterPrefix, PaperSizePrefix,
        SaveText, SaveIcon, SaveToolTip,
        PdfText, PdfIcon, PdfToolTip,
        ImageText, ImageIcon, ImageToolTip,
        PrintToolTip, PrintText, PrintIcon,
        PreviewToolTip, PreviewText, PreviewIcon,
        CombinedPrintText,
        LandscapeToolTip, LandscapeIcon, PortraitToolTip, PortraitIcon,
        MarginsToolTip, MarginsIcon,
        FitWidthToolTip, FitWidthIcon, FitPageToolTip, FitPageIcon,
        ZoomInToolTip, ZoomInIcon, ZoomOutToolTip, ZoomOutIcon,
        TextCount
    };

    // The text at the position, or its default; %1 in a default is the
    // content name, in lower case in tool tips and status tips.
    QString Text(int index, const QString &contentName) const;

    qint32 m_Options = SimplePrintDialog;
    // 0 portrait, 1 landscape.
    int m_InitialOrientation = 0;
    std::array<QString, TextCount> m_Texts;
};
