// Writes the built-in sample documents, their ".info" descriptions, "config.txt"
// and the resource file into the given folder (resources/inbuiltsample). The
// documents go through the program's own document writer, so they open as any
// saved file does. Every name is invented.

#include "bionewregparams.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmnappdescriptor.h"
#include "cmndate.h"
#include "cmnframework.h"
#include "cmnregvaluekind.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"
#include "programstartup.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

// Generations of ancestors above the two main animals.
constexpr int kAncestorGenerations = 4;

struct SSample
{
    const char *file;
    const char *name;
    const char *breed;
    QStringList prefixes;   // kennel, stud or loft names
    QStringList males;
    QStringList females;
    QStringList colours;
    int generationYears;
    const char *description;
};

bool Fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return false;
}

bool WriteText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

// Hands out invented names in turn, never the same one twice.
class CNamer
{
public:
    explicit CNamer(const SSample &sample) : m_Sample(sample) {}

    QString Next(int sex)
    {
        const QStringList &calls = sex == 1 ? m_Sample.males : m_Sample.females;
        int &turn = sex == 1 ? m_MaleTurn : m_FemaleTurn;
        const int n = turn++;
        const QString prefix = m_Sample.prefixes.at((n + (sex == 1 ? 0 : 1)) % m_Sample.prefixes.size());
        const QString call = calls.at(n % calls.size());
        const int round = n / calls.size();
        return round == 0 ? QStringLiteral("%1 %2").arg(prefix, call)
                          : QStringLiteral("%1 %2 %3").arg(prefix, call).arg(round + 1);
    }

private:
    const SSample &m_Sample;
    int m_MaleTurn = 0;
    int m_FemaleTurn = 0;
};

// The user field ids of the chosen catalogue fields, by name.
QHash<QString, int> UserFieldIds(const CCmnRegFieldsSettings &settings)
{
    QHash<QString, int> ids;
    for (const auto &item : settings.GetUserFields().m_Items)
        ids.insert(item.first, item.second.m_Id);
    return ids;
}

class CSampleBuilder
{
public:
    CSampleBuilder(const SSample &sample, CBioReg &reg, const CCmnRegFieldsSettings &settings)
        : m_Sample(sample), m_Reg(reg), m_Namer(sample), m_Fields(UserFieldIds(settings))
    {
    }

    int Add(const QString &name, int sex, int birthYear, int serial)
    {
        const int id = m_Reg.AddNamedRecord(name, true);
        auto copy = QSharedPointer<CBioRegRecord>::create(*m_Reg.GetBioRecord(id));
        copy->m_Sex = sex;
        CCmnDate birth;
        if (birth.SetGregorianYmd(1 + serial % 28, 1 + serial % 12, birthYear))
            copy->SetValue(CBioRegRecord::kDateOfBirthField, CmnRegValueDate, QVariant::fromValue(birth));
        const QString prefix = name.section(QLatin1Char(' '), 0, 0);
        SetText(*copy, QStringLiteral("Breeder"), prefix + QStringLiteral(" Breeding"));
        SetText(*copy, QStringLiteral("Owner"), serial % 3 == 0 ? QStringLiteral("Hollowmere Farm")
                                                               : prefix + QStringLiteral(" Breeding"));
        SetText(*copy, QStringLiteral("Reg. No."),
                QStringLiteral("%1%2").arg(QString::fromLatin1(m_Sample.file).left(2).toUpper()).arg(10400 + serial * 37));
        SetText(*copy, QStringLiteral("Breed"), QString::fromLatin1(m_Sample.breed));
        SetText(*copy, QStringLiteral("Colour"), m_Sample.colours.at(serial % m_Sample.colours.size()));
        SetText(*copy, QStringLiteral("Microchip"), QStringLiteral("985%1").arg(120000000 + serial * 7919));
        if (serial % 5 == 0)
            copy->SetValue(CBioRegRecord::kTitleField, CmnRegValueText, QStringLiteral("CH."));
        for (const auto &[field, value] : m_Extra(serial))
            SetText(*copy, field, value);
        m_Reg.ReplaceRecord(id, copy, true);
        return id;
    }

    void SetParents(int id, int sire, int dam)
    {
        auto copy = QSharedPointer<CBioRegRecord>::create(*m_Reg.GetBioRecord(id));
        copy->m_Sire = sire;
        copy->m_Dam = dam;
        m_Reg.ReplaceRecord(id, copy, true);
    }

    // The ancestors of the animal, `generations` deep. The first sire of the top
    // generation is remembered; with `shareOnce` it is taken, once, in place of a
    // new one, so that the two main animals have one ancestor in common.
    void AddAncestors(int id, int birthYear, int generations, bool shareOnce)
    {
        if (generations == 0)
            return;
        const int parentYear = birthYear - m_Sample.generationYears;
        int sire = 0;
        if (generations == 1 && shareOnce && m_SharedAncestor && !m_SharedTaken) {
            sire = m_SharedAncestor;
            m_SharedTaken = true;
        } else {
            sire = Add(m_Namer.Next(1), 1, parentYear, ++m_Serial);
            if (generations == 1 && !m_SharedAncestor)
                m_SharedAncestor = sire;
            AddAncestors(sire, parentYear, generations - 1, shareOnce);
        }
        const int dam = Add(m_Namer.Next(2), 2, parentYear, ++m_Serial);
        AddAncestors(dam, parentYear, generations - 1, shareOnce);
        SetParents(id, sire, dam);
    }

    int NextSerial() { return ++m_Serial; }
    CNamer &Namer() { return m_Namer; }

    // Values of the fields beyond the usual ones, for the sample that has them all.
    std::function<QList<std::pair<QString, QString>>(int)> m_Extra = [](int) {
        return QList<std::pair<QString, QString>>();
    };

private:
    void SetText(CBioRegRecord &record, const QString &field, const QString &value)
    {
        const auto found = m_Fields.constFind(field);
        if (found != m_Fields.constEnd())
            record.SetValue(found.value(), CmnRegValueText, value);
    }

    const SSample &m_Sample;
    CBioReg &m_Reg;
    CNamer m_Namer;
    QHash<QString, int> m_Fields;
    int m_Serial = 0;
    int m_SharedAncestor = 0;
    bool m_SharedTaken = false;
};

QList<std::pair<QString, QString>> ManyFieldValues(int serial)
{
    static const QStringList temperaments{"Calm", "Lively", "Steady", "Bold"};
    QList<std::pair<QString, QString>> values{
        {"Pet Name", QStringLiteral("Pip %1").arg(serial)},
        {"Tattoo", QStringLiteral("T%1").arg(300 + serial)},
        {"Reg. Body", serial % 2 ? "Northern Stock Society" : "Valley Breeders' Club"},
        {"Reg. Country", serial % 2 ? "Scotland" : "Wales"},
        {"Pattern", serial % 3 ? "Solid" : "Spotted"},
        {"Hip Score", QStringLiteral("%1:%2").arg(serial % 7).arg((serial + 3) % 7)},
        {"Temperament", temperaments.at(serial % temperaments.size())},
        {"Height", QStringLiteral("%1 cm").arg(50 + serial % 9)},
        {"Weight", QStringLiteral("%1 kg").arg(20 + serial % 11)},
    };
    if (serial % 4 == 0)
        values.append(std::pair<QString, QString>("Notes", "Shown twice at the spring show.\nGood natured with young stock."));
    return values;
}

// The document of one sample: two main animals with four generations of
// ancestors each, sharing one great-great-grandsire, and a litter of theirs.
bool WriteSample(const SSample &sample, const QString &folder, bool allFields)
{
    CDocument document(false);
    CDocumentSettings settings;
    CBioNewRegParams params(QLocale::c());
    if (allFields) {
        for (CBioNewRegStdField &entry : params.m_Entries)
            entry.SetChosen(true);
    }
    params.ApplyToSettings(settings.m_FieldsSettings);
    document.ApplySettings(nullptr, settings, true);
    CBioReg &reg = *document.GetRegister();

    CSampleBuilder builder(sample, reg, settings.m_FieldsSettings);
    if (allFields)
        builder.m_Extra = ManyFieldValues;
    const int birthYear = 2024;
    // Records 1 and 2 are the pair the forms open on.
    const int sire = builder.Add(builder.Namer().Next(1), 1, birthYear - 2, builder.NextSerial());
    const int dam = builder.Add(builder.Namer().Next(2), 2, birthYear - 2, builder.NextSerial());
    if (sire != 1 || dam != 2)
        return Fail(QStringLiteral("%1: the main animals are not records 1 and 2.").arg(sample.file));
    builder.AddAncestors(sire, birthYear - 2, kAncestorGenerations, false);
    builder.AddAncestors(dam, birthYear - 2, kAncestorGenerations, true);
    for (int i = 0; i < 3; ++i) {
        const int sex = i == 1 ? 2 : 1;
        const int young = builder.Add(builder.Namer().Next(sex), sex, birthYear, builder.NextSerial());
        builder.SetParents(young, sire, dam);
    }

    const QString path = folder + QLatin1Char('/') + QString::fromLatin1(sample.file);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    const QString error = CDocumentFile::Write(file, document, settings);
    if (!error.isEmpty())
        return Fail(QStringLiteral("%1: %2").arg(path, error));
    if (!file.commit())
        return Fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

// The name line, the document line, an empty line and the HTML paragraphs.
QString InfoText(const SSample &sample, const QString &description)
{
    return QStringLiteral("NAME %1\nDATA %2\n\n%3\n")
        .arg(QString::fromLatin1(sample.name), QString::fromLatin1(sample.file), description);
}

const QString kCommonText = QStringLiteral(
    "<p>Every name in this sample is made up. Open the pedigree of the first male to see four generations of "
    "his ancestors, or the trial mating of the first male and the first female to see the inbreeding their "
    "offspring would have: one ancestor appears on both sides.</p>");

QList<SSample> Samples()
{
    return {
        {"bird.orv", "Bird Pedigree", "Border Canary", {"Skylark", "Thornhedge", "Millpond"},
         {"Flint", "Pepper", "Tansy", "Rook", "Saffron", "Cobble"}, {"Linnet", "Poppy", "Wren", "Clover", "Fern", "Sorrel"},
         {"Yellow", "Buff", "Green", "Cinnamon"}, 1,
         "<p>A pedigree of exhibition canaries, with the rings, breeders and colours a bird keeper records.</p>"},
        {"cat.orv", "Cat Pedigree", "British Shorthair", {"Velvetpaw", "Moonbrook", "Cindervale"},
         {"Jasper", "Otto", "Fennel", "Mungo", "Basil", "Tarquin"}, {"Mabel", "Tilly", "Juniper", "Nutmeg", "Isla", "Wren"},
         {"Blue", "Lilac", "Cream", "Silver Tabby"}, 2,
         "<p>A pedigree of pedigree cats, with their breeders, owners, registration numbers and colours.</p>"},
        {"cattle.orv", "Cattle Pedigree", "Highland", {"Glenbracken", "Ashcombe", "Redmoss"},
         {"Duncan", "Angus", "Bran", "Callum", "Hamish", "Ruaridh"}, {"Morag", "Heather", "Ishbel", "Kirsty", "Elspeth", "Rowan"},
         {"Red", "Dun", "Yellow", "Brindle"}, 4,
         "<p>A herd book of beef cattle, with ear tags, breeders and coat colours.</p>"},
        {"dog.orv", "Dog Pedigree", "Border Collie", {"Windyridge", "Fellside", "Brackenhill"},
         {"Moss", "Glen", "Bracken", "Fly", "Roy", "Cap"}, {"Nell", "Meg", "Gyp", "Floss", "Bess", "Jess"},
         {"Black and White", "Red and White", "Tricolour", "Blue Merle"}, 3,
         "<p>A pedigree of working sheepdogs, with registration numbers, microchips, breeders and colours, and "
         "champions whose titles stand out in their names.</p>"},
        {"goat.orv", "Goat Pedigree", "Golden Guernsey", {"Clovermead", "Stonybank", "Larkrise"},
         {"Barnaby", "Hector", "Rufus", "Tobias", "Percy", "Ludo"}, {"Daisy", "Primrose", "Bluebell", "Hazel", "Marigold", "Willow"},
         {"Gold", "Light Gold", "Dark Gold"}, 2,
         "<p>A herd of dairy goats, with their breeders, owners and registration numbers.</p>"},
        {"horse.orv", "Horse Pedigree", "Welsh Cob", {"Tanygraig", "Brynhyfryd", "Cwmderw"},
         {"Derwen", "Seren Bach", "Taran", "Gwynt", "Brenin", "Llew"}, {"Seren", "Mali", "Eira", "Nia", "Lowri", "Heulwen"},
         {"Bay", "Chestnut", "Black", "Dun", "Palomino"}, 6,
         "<p>A stud book of ponies and cobs, with passport numbers, breeders and colours.</p>"},
        {"pig.orv", "Pig Pedigree", "Tamworth", {"Oakhanger", "Bramblewick", "Fernhollow"},
         {"Barnabus", "Ginger", "Conker", "Russet", "Toffee", "Copper"}, {"Bramble", "Acorn", "Hazelnut", "Maple", "Chestnut", "Sorrel"},
         {"Golden Red", "Ginger", "Dark Red"}, 2,
         "<p>A herd book of traditional pigs, with ear numbers, breeders and registration numbers.</p>"},
        {"rabbit.orv", "Rabbit Pedigree", "Netherland Dwarf", {"Thistledown", "Meadowsweet", "Buttercup"},
         {"Bilbo", "Pippin", "Nibbles", "Crumpet", "Biscuit", "Parsnip"}, {"Clover", "Dandelion", "Daisy", "Thimble", "Button", "Posy"},
         {"Otter", "Siamese Sable", "Chinchilla", "Himalayan"}, 1,
         "<p>A stud of show rabbits, with ring numbers, breeders and colours.</p>"},
        {"rat.orv", "Rat Pedigree", "Fancy Rat", {"Whiskerwood", "Inkwell", "Pebblebrook"},
         {"Nutmeg", "Ratty", "Sprocket", "Fidget", "Domino", "Widget"}, {"Mimsy", "Pixie", "Bluebell", "Tansy", "Sprout", "Pepper"},
         {"Agouti", "Black", "Russian Blue", "Champagne"}, 1,
         "<p>A pedigree of fancy rats over many short generations, with breeders and varieties.</p>"},
        {"sheep.orv", "Sheep Pedigree", "Jacob", {"Highfold", "Shepherdscote", "Drovers Rest"},
         {"Bartholomew", "Ivor", "Gideon", "Ezra", "Obadiah", "Silas"}, {"Hannah", "Ruth", "Martha", "Leah", "Esther", "Naomi"},
         {"Black and White", "Lilac and White"}, 3,
         "<p>A flock book of spotted sheep, with tag numbers, breeders and flock names.</p>"},
        {"userfields.orv", "User Data Fields Example", "Border Collie", {"Windyridge", "Fellside", "Brackenhill"},
         {"Moss", "Glen", "Bracken", "Fly", "Roy", "Cap"}, {"Nell", "Meg", "Gyp", "Floss", "Bess", "Jess"},
         {"Black and White", "Red and White", "Tricolour"}, 3,
         "<p>A pedigree with every optional standard field a new data file can start with: registration, breed, "
         "health, purchase and sale details. Open the details of an animal to see how many fields a data file can "
         "hold, and how they are laid out in columns.</p>"},
    };
}

bool WriteFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return Fail(QStringLiteral("Cannot make the folder %1.").arg(folder));
    QStringList files{QStringLiteral("config.txt")};
    if (!WriteText(folder + QStringLiteral("/config.txt"),
                   QStringLiteral("TITLE=Sample Pedigrees\nLABEL=Select a sample pedigree\nWIDTHPERCENT=40\n"
                                  "HEIGHTPERCENT=40\n")))
        return false;
    for (const SSample &sample : Samples()) {
        const bool allFields = QLatin1String(sample.file) == QLatin1String("userfields.orv");
        if (!WriteSample(sample, folder, allFields))
            return false;
        const QString info = QString::fromLatin1(sample.file).replace(QStringLiteral(".orv"), QStringLiteral(".info"));
        const QString description = QString::fromLatin1(sample.description) + QLatin1Char('\n') + kCommonText;
        if (!WriteText(folder + QLatin1Char('/') + info, InfoText(sample, description)))
            return false;
        files << QString::fromLatin1(sample.file) << info;
    }
    QString qrc = QStringLiteral("<!-- Written by orv_samplegen. -->\n<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
                                 "    <qresource prefix=\"/inbuiltsample\">\n");
    for (const QString &file : std::as_const(files))
        qrc += QStringLiteral("        <file alias=\"%1\">inbuiltsample/%1</file>\n").arg(file);
    qrc += QStringLiteral("    </qresource>\n</RCC>\n");
    return WriteText(folder + QStringLiteral("/../inbuiltsample.qrc"), qrc);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orv_samplegen RESOURCES_FOLDER\n");
        return 2;
    }
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
    CreateProgramSettings();
    const bool written = WriteFolder(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/inbuiltsample"));
    DestroyProgramSettings();
    return written ? 0 : 1;
}
