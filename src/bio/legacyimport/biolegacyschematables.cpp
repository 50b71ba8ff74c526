#include "biolegacyschematables.h"

#include "biolegacydataimport_ent.h"

namespace {

// The registrations of the older programs, by kind. "a-b" stands for every id from a to
// b; the user-defined sets and the closing set appear in every kind.
const CBioLegacySchemaTable kHvContacts = {
    130, 9, 5, true,
    {
        "105@0 106[HAS_SHOWINGS]@0 107[HAS_SHOWINGS&HAS_SHOWING_HANDLER]@0 108[HAS_SHOWINGS]@0 109-113@0 115@0 "
        "114@0 116@0 121[HAS_SHOWINGS]@2 122-124@3#20007 125@4 363-367@4 383-387@6#2018E",
        "96@0 95@0 94@0 "
        "97[HAS_CONTACT_PREFIXES&HAS_CAT_SPECIFICS|HAS_DOG_SPECIFICS|HAS_HAMSTER_SPECIFICS|HAS_RAT_SPECIFICS]@0 "
        "98@0 2-4@0#18E 101@0 102@0 104@0 5@0 99@0 100@0 103@0 117[HAS_SHOWINGS]@1 118@1 119@1 "
        "120[HAS_SHOWINGS]@1 370@5 371-374@6 376-377@6#18E "
        "97[HAS_CONTACT_PREFIXES&HAS_BIRD_SPECIFICS|HAS_CAVY_SPECIFICS|HAS_HORSE_SPECIFICS|HAS_RABBIT_SPECIFICS]@7 "
        "422@8 423@8 424[HAS_CONTACT_PREFIXES]@8 440 463",
        "368@5 369@5 378-382@6#18E 436 438",
        "437 439",
        "388-392@6#18E",
        "",
        "393-397@6#18E",
    },
    "",
    "103 117[HAS_SHOWINGS] 118 119 120[HAS_SHOWINGS] 370 2 3 4 376 377 371 372 373 374",
};

const CBioLegacySchemaTable kDmContacts = {
    130, 1, 0, true,
    {
        "75-77#20007 12-16#2018E",
        "65 64 63 66-67[HAS_CONTACT_PREFIXES] 68 2-4#18E 71 72 74 32 69 70 73 5-6#18E 31 33",
        "7-11#18E 27 29",
        "28 30",
        "17-21#18E",
        "",
        "22-26#18E",
    },
    "",
    "73 2 3 4 5 6",
};

const CBioLegacySchemaTable kHvAnimals = {
    129, 13, 5, false,
    {
        "17@0 18[HAS_ANIMAL_STATUS]@0 39[HAS_ANIMAL_SEXPROVEN]@0 92[HAS_ANIMAL_INBREEDINGLOCK]@5 "
        "383-387@6=f#2018E 420@7 421@8 425@9=t 426@9 431[HAS_DOG_SPECIFICS]@9 433[HAS_DOG_SPECIFICS]@9",
        "15@0 2-4@0#18E 40[HAS_ANIMAL_REGNO]@0 64@0 65@0 69[HAS_ANIMAL_BREED_NO&!HAS_DOG_SPECIFICS]@0 82@0 83@0 "
        "84@0 66[HAS_ANIMAL_BREED_GROUP]@0 70[HAS_ANIMAL_BREED_COATPATTERN]@0 72[HAS_ANIMAL_BREED_COATCOLOUR]@0 "
        "74[HAS_ANIMAL_BREED_EYECOLOUR]@0 55-56[HAS_DOG_SPECIFICS]@0 "
        "46[HAS_ANIMAL_STUDBOOKNO&!HAS_CAT_SPECIFICS]@0 5@0 16@0 19@0 20@0 41[HAS_ANIMAL_REGNO]@0 47@0 48@0 "
        "49@0 50@0 61@0 32@0 33[HAS_ANIMAL_WEIGHT]@0 34[HAS_ANIMAL_HEIGHT&!HAS_DOG_SPECIFICS]@0 "
        "35[HAS_ANIMAL_LENGTH]@0 36[HAS_ANIMAL_CAGE]@0 37[HAS_ANIMAL_BRANDMARK]@0 "
        "38[HAS_ANIMAL_SEXINGMETHOD]@0 85@1 63@0 43-44[HAS_ANIMAL_REGNO]@0 "
        "71[HAS_ANIMAL_BREED_COATPATTERNGENOTYPE]@0 73[HAS_ANIMAL_BREED_COATCOLOURGENOTYPE]@0 "
        "75[HAS_ANIMAL_BREED_EYECOLOURGENOTYPE]@0 76[HAS_ANIMAL_BREED_EARTYPE]@0 "
        "77[HAS_ANIMAL_BREED_TAILTYPE]@0 78[HAS_ANIMAL_BREED_GENUS]@0 79[HAS_ANIMAL_BREED_SPECIES]@0 "
        "80[HAS_ANIMAL_BREED_SUBSPECIES]@0 86[HAS_ANIMAL_BREED_FURTYPE&!HAS_DOG_SPECIFICS]@2 67@0 68@0 "
        "57[HAS_DOG_SPECIFICS]@0 58[HAS_ANIMAL_CERFNUMBER]@0 60[HAS_ANIMAL_EYETEST]@0 81[HAS_ANIMAL_EMSCODE]@0 "
        "62@0 21@0 87@3 88[HAS_ANIMAL_BREED_SUPERGROUP]@4 89-91@4 376-377@6#18E "
        "414-415[HAS_CAT_SPECIFICS]@7 93@7 416[HAS_ANIMAL_LEGS]@7 417[HAS_ANIMAL_GCNUMBER]@7 418@7 419@7 "
        "427@9 428-429[HAS_ANIMAL_REGNO]@9 430[HAS_MATING_LITTERREGNO]@9 435@10 440@11 463@11 462@11 464@12 "
        "56[HAS_ANIMAL_HIPSCORE&!HAS_DOG_SPECIFICS]@12 46[HAS_ANIMAL_STUDBOOKNO&HAS_CAT_SPECIFICS]@12 "
        "57[HAS_ANIMAL_OFANUMBER&!HAS_DOG_SPECIFICS]@12 69[HAS_ANIMAL_BREED_NO&HAS_DOG_SPECIFICS]@12 "
        "34[HAS_ANIMAL_HEIGHT&HAS_DOG_SPECIFICS]@12 86[HAS_ANIMAL_BREED_FURTYPE&HAS_DOG_SPECIFICS]@12 "
        "478[HAS_ANIMAL_ELBOWSCORE]@12 479[HAS_ANIMAL_DNAPROFILE]@13",
        "59[HAS_ANIMAL_EYETEST]@0 30@0 31@0 52@0 54@0 42[HAS_ANIMAL_REGNO]@0 45[HAS_ANIMAL_REGNO]@0 "
        "378-382@6#18E 432[HAS_DOG_SPECIFICS]@9 434[HAS_DOG_SPECIFICS]@9 436@11 438@11",
        "437@11 439@11",
        "22@0 23@0 388-392@6#18E",
        "27@0 28@0 29[HAS_ANIMAL_MATE]@0 25@0 24@0 26@0 51@0 53@0 458-461@11",
        "393-397@6#18E",
    },
    "398-399 400[HAS_SHOWINGS] 401-405",
    "15 19 41[HAS_ANIMAL_REGNO] 44[HAS_ANIMAL_REGNO] 64 65 93 66[HAS_ANIMAL_BREED_GROUP] "
    "70[HAS_ANIMAL_BREED_COATPATTERN] 72[HAS_ANIMAL_BREED_COATCOLOUR] 74[HAS_ANIMAL_BREED_EYECOLOUR] "
    "86[HAS_ANIMAL_BREED_FURTYPE] 78[HAS_ANIMAL_BREED_GENUS] 82 83 84 20 32 38[HAS_ANIMAL_SEXINGMETHOD] 47 48 49 "
    "61 62 63 85 2 3 4 376 377 88[HAS_ANIMAL_BREED_SUPERGROUP] 414-415[HAS_CAT_SPECIFICS] 462",
};

const CBioLegacySchemaTable kDmAnimals = {
    129, 1, 0, false,
    {
        "39 40[HAS_ANIMAL_STATUS] 12-16=f#2018E",
        "34 2-4#18E 53[HAS_ANIMAL_REGNO] 36 38[HAS_ANIMAL_BREED_NO] 35 37 41 48 49[HAS_ANIMAL_WEIGHT] "
        "50[HAS_ANIMAL_HEIGHT] 51[HAS_ANIMAL_LENGTH] 52[HAS_ANIMAL_BRANDMARK] 56[HAS_ANIMAL_OFANUMBER] "
        "57[HAS_ANIMAL_CERFNUMBER] 55[HAS_ANIMAL_HIPSCORE] 60[HAS_ANIMAL_ELBOWSCORE] 61[HAS_ANIMAL_DNAPROFILE] "
        "54[HAS_ANIMAL_STUDBOOKNO] 58[HAS_ANIMAL_LEGS] 59[HAS_ANIMAL_GCNUMBER] 62[HAS_ANIMAL_CAGE] 42 32 "
        "5-6#18E 31 33",
        "47 7-11#18E 27 29",
        "28 30",
        "17-21#18E",
        "45 46 44 43",
        "22-26#18E",
    },
    "85",
    "34 41 2 3 4 5 6",
};

const CBioLegacySchemaTable kMatings = {
    149, 4, 1, false,
    {
        "145@1=f 383-387@2=f#2018E 146[HAS_MATING_ARTINSEM]@3",
        "2-4@0#18E 5@0 132@0 135@0 136[HAS_MATING_LITTERREGNO]@0 137[HAS_MATING_NUMLIVEBIRTHS]@0 "
        "138[HAS_MATING_NUMSTILLBORN]@0 139[HAS_MATING_NUMDIEDINNESTING]@0 142-143[HAS_MATING_WEIGHTFIELDS]@0 "
        "141[HAS_MATING_BIRTHINGASSISTANCE]@0 140@0 144[HAS_MATING_READYAFTER]@0 376-377@2#18E 440 463",
        "126@0 127@0 128@0 129[HAS_MATING_DATELAID]@0 378-382@2#18E 436 438",
        "437 439",
        "133@0 134@0 388-392@2#18E",
        "130@0 131@0",
        "393-397@2#18E 147-148[HAS_MATING_SURVIVALCOUNTS]@3",
    },
    "",
    "135 140 141[HAS_MATING_BIRTHINGASSISTANCE] 2 3 4 376 377",
};

const CBioLegacySchemaTable kJabRecs = {
    161, 4, 2, true,
    {
        "342@2 383-387@3#2018E",
        "233@0 234@0 232@0 2-4@0#18E 5@0 236@1 237@1 235@1 239@1 240@1 238@1 242@1 243@1 241@1 "
        "376-377@3#18E 440 463 447 448 446 450 451 449 453 454 452 456 457 455",
        "231@0 378-382@3#18E 436 438",
        "437 439",
        "388-392@3#18E",
        "229@0 230@0",
        "393-397@3#18E",
    },
    "",
    "232-243 446-457 2 3 4 376 377",
};

const CBioLegacySchemaTable kTrialMatings = {
    156, 2, 0, true,
    {
        "383-387@1#2018E",
        "2-4@0#18E 5@0 376-377@1#18E 440 463",
        "378-382@1#18E 436 438",
        "437 439",
        "388-392@1#18E",
        "287@0 288@0",
        "393-397@1#18E",
    },
    "",
    "2 3 4 376 377",
};

const CBioLegacySchemaTable kVetRecs = {
    151, 3, 1, true,
    {
        "249@1 250@1 383-387@2#2018E",
        "247@0 2-4@0#18E 5@0 376-377@2#18E 440 463",
        "246@0 378-382@2#18E 436 438",
        "437 439",
        "248@0 388-392@2#18E",
        "244@0 245@0",
        "393-397@2#18E",
    },
    "",
    "247 2 3 4 376 377",
};

const CBioLegacySchemaTable kAppts = {
    159, 2, 0, false,
    {
        "277@0 383-387@1=f#2018E 443 444 445=t",
        "270@0 2-4@0#18E 5@0 376-377@1#18E 440 463",
        "268@0 271@0 273@0 378-382@1#18E 436 438",
        "269@0 272@0 274@0 437 439",
        "388-392@1#18E",
        "275@0 276@0",
        "393-397@1#18E 441 442",
    },
    "",
    "270 2 3 4 376 377",
};

const CBioLegacySchemaTable kAccts = {
    160, 3, 1, false,
    {
        "310@0 312@0 383-387@2=f#2018E",
        "301@0 303@0 302@0 313@0 314@0 2-4@0#18E 5@0 376-377@2#18E 440 463",
        "298@0 311@0 315@0 378-382@2#18E 436 438",
        "316@0 437 439",
        "304-309@0 388-392@2#18E",
        "299@0 300@0 317@1",
        "393-397@2#18E",
    },
    "",
    "301 303 2 3 4 376 377",
};

// Boolean 190 moved: older dog files kept it after 205, older files of other species
// after 227; the newest version has it after 205 in every file.
const CBioLegacySchemaTable kShowings = {
    150, 10, 7, true,
    {
        "166-167[HAS_SHOWING_CHAMPION_FIELDS]@0 168-169[HAS_SHOWING_GRANDCHAMPION_FIELDS]@0 "
        "170-171[HAS_SHOWING_PREMIER_FIELDS]@0 172-173[HAS_SHOWING_GRANDPREMIER_FIELDS]@0 "
        "174[HAS_SHOWING_BOB]@0 175[HAS_SHOWING_BOV]@0 176[HAS_SHOWING_BIS]@0 177[HAS_SHOWING_SUPREME_BIS]@0 "
        "178-187[HAS_CAT_SPECIFICS]@0 191[HAS_SHOWING_MULTIPLE_BIS]@0 192[HAS_SHOWING_BOG]@0 "
        "188-189[HAS_BIRD_SPECIFICS]@0 203-205@3 190[HAS_SHOWING_BOS&CONFIG_DOG]@4-9 190[HAS_SHOWING_BOS]@10 "
        "211[HAS_SHOWING_CLASSSEX]@4=n 213-221[HAS_DOG_SPECIFICS]@4 222[HAS_SHOWING_BEST_VETERAN]@4 "
        "226[HAS_SHOWING_BEST_VETERAN]@4 223[HAS_SHOWING_BOG]@4 224[HAS_SHOWING_BIS]@4 225[HAS_SHOWING_BOB]@4 "
        "227[HAS_SHOWING_BOV]@4 190[HAS_SHOWING_BOS&!CONFIG_DOG]@5-9 228[HAS_SHOWING_BIS_CHILD]@5 "
        "343-350[HAS_CAT_SPECIFICS]@5 351[HAS_SHOWING_BIS_NEUTER]@5 354-358[HAS_SHOWING_WINNERS]@7 "
        "383-387@8#2018E",
        "155@0 157@0 160@0 161@0 2-4@0#18E 158@0 165@0 159@0 163@0 164@0 193@0 199@0 5@0 200@1 "
        "212[HAS_SHOWING_CLASSTYPE]@4 352@6 353@6 376-377@8#18E 359@9 440 463",
        "156@0 195@0 198@0 378-382@8#18E 436 438",
        "437 439",
        "194@0 196@0 388-392@8#18E",
        "154@0 162@0 197[HAS_SHOWING_HANDLER]@0 201@1 202@2 206[HAS_SHOWING_BOG]@4 207[HAS_SHOWING_REFEREE]@4 "
        "208[HAS_SHOWING_BIS]@4 209[HAS_SHOWING_BOB]@4 210[HAS_SHOWING_BOV]@4",
        "393-397@8#18E",
    },
    "",
    "155 165 157 160 200 193 2 3 4 376 377",
};

// "12" or "12-15" at the front of a token; false when there is no number.
bool ParseRange(const QByteArray &token, int &pos, int &first, int &last)
{
    auto number = [&](int &value) {
        const int start = pos;
        value = 0;
        while (pos < token.size() && token.at(pos) >= '0' && token.at(pos) <= '9')
            value = value * 10 + (token.at(pos++) - '0');
        return pos > start;
    };
    if (!number(first))
        return false;
    last = first;
    if (pos < token.size() && token.at(pos) == '-') {
        ++pos;
        return number(last);
    }
    return true;
}

} // namespace

const CBioLegacySchemaTable *LegacySchemaTable(int kind, bool dunmarra)
{
    switch (kind) {
    case BioLegacyKindContact:
        return dunmarra ? &kDmContacts : &kHvContacts;
    case BioLegacyKindAnimal:
        return dunmarra ? &kDmAnimals : &kHvAnimals;
    default:
        break;
    }
    if (dunmarra)
        return nullptr;
    switch (kind) {
    case BioLegacyKindMating:
        return &kMatings;
    case BioLegacyKindJabRec:
        return &kJabRecs;
    case BioLegacyKindTrialMating:
        return &kTrialMatings;
    case BioLegacyKindVetRec:
        return &kVetRecs;
    case BioLegacyKindAppt:
        return &kAppts;
    case BioLegacyKindAcct:
        return &kAccts;
    case BioLegacyKindShowing:
        return &kShowings;
    default:
        return nullptr;
    }
}

QList<CBioLegacyFieldRow> LegacyParseFieldRows(const char *text, const CBioLegacySchemaTable &table, bool booleans)
{
    QList<CBioLegacyFieldRow> rows;
    for (const QByteArray &token : QByteArray(text).split(' ')) {
        if (token.isEmpty())
            continue;
        int pos = 0;
        int first = 0;
        int last = 0;
        const bool ranged = ParseRange(token, pos, first, last);
        Q_ASSERT(ranged);
        if (!ranged)
            continue;
        CBioLegacyFieldRow row;
        row.fromVersion = table.newestVersion;
        row.untilVersion = 255;
        char boolDefault = booleans && table.booleansDefaultFalse ? 'f' : 'n';
        while (pos < token.size()) {
            const char marker = token.at(pos++);
            if (marker == '[') {
                const int close = int(token.indexOf(']', pos));
                row.condition = token.mid(pos, close - pos);
                pos = close + 1;
            } else if (marker == '@') {
                int from = 0;
                int until = 0;
                const int start = pos;
                ParseRange(token, pos, from, until);
                const bool closed = token.mid(start, pos - start).contains('-');
                row.fromVersion = from;
                row.untilVersion = closed ? until : 255;
            } else if (marker == '=') {
                boolDefault = token.at(pos++);
            } else if (marker == '#') {
                int end = pos;
                while (end < token.size() && isxdigit(static_cast<unsigned char>(token.at(end))))
                    ++end;
                row.typeWord |= qint32(token.mid(pos, end - pos).toUInt(nullptr, 16));
                pos = end;
            }
        }
        if (boolDefault == 'f')
            row.typeWord |= kBioLegacyDefaultFalse;
        else if (boolDefault == 't')
            row.typeWord |= kBioLegacyDefaultTrue;
        for (int id = first; id <= last; ++id) {
            row.id = id;
            rows.append(row);
        }
    }
    return rows;
}
