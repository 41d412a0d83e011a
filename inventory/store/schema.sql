-- The inventory: one row per chemical, every column free text as the user typed it.
CREATE TABLE TOLMIREKS (
    ALDRICH       TEXT,  -- name in the Aldrich catalogue
    NOME          TEXT,  -- name in the laboratory's language; the sort key
    FORNECEDOR    TEXT,  -- vendor
    FORMULA       TEXT,  -- molecular formula
    LOCAL         TEXT,  -- storing place
    QUANTIDADE    TEXT,  -- available amount
    MW            TEXT,  -- molecular weight
    MP            TEXT,  -- melting point
    BP            TEXT,  -- boiling point
    DENSITY       TEXT,  -- density
    HAZARDS       TEXT,  -- hazards data, several lines
    CARACTERISTIC TEXT   -- characteristics and solubility, several lines
);
