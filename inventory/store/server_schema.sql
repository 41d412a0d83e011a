-- The inventory on a PostgreSQL server (13 or later): the chemical table, the order of
-- its names, the inventory's own state and the change stamp the program watches. The
-- program runs this and server_tracking.sql in one transaction on a database whose text
-- is UTF-8.
-- Names are written without quotes, so the server keeps them in lower case and a lab's
-- own queries can write them either way.

-- The program's order of names: ICU's Brazilian Portuguese at the first strength, so case
-- and accents do not separate names, the exact text (bytes) breaking ties. Anything that
-- reads the server in name order with this collation gets the program's own order.
CREATE COLLATION qb_name (provider = icu, locale = 'pt-BR-u-ks-level1');

-- One row per chemical, every column free text as the user typed it. The id is the row
-- id the program uses: the server assigns it from a sequence, so no id is ever given
-- twice, also after deletes. A copied inventory keeps its ids; the copy then moves the
-- sequence past them.
CREATE TABLE tolmireks (
    id            bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    aldrich       text,                   -- name in the Aldrich catalogue
    nome          text COLLATE qb_name,   -- name in the laboratory's language; the sort key
    fornecedor    text,                   -- vendor
    formula       text,                   -- molecular formula
    local         text,                   -- storing place
    quantidade    text,                   -- available amount
    mw            text,                   -- molecular weight
    mp            text,                   -- melting point
    bp            text,                   -- boiling point
    density       text,                   -- density
    hazards       text,                   -- hazards data, several lines
    caracteristic text                    -- characteristics and solubility, several lines
);
-- The record source's order, for readers that ask the server for it (the program itself
-- reads in id order and sorts with the same keys).
CREATE INDEX tolmireks_by_name ON tolmireks (nome COLLATE qb_name NULLS FIRST, id);

-- The inventory's own state, one row a setting: the format of this schema, and the lab's
-- web-site address (Null: the program's default).
CREATE TABLE qb_state (
    name  text PRIMARY KEY,
    value text
);
INSERT INTO qb_state (name, value) VALUES ('format_version', '2'), ('website', NULL);

-- The change stamp: moved by one for every transaction that changes the chemical table,
-- whoever commits it, so a program can tell whether what it read is still what the
-- server holds. It starts at the time the inventory was made, in microseconds, so an
-- inventory made again never repeats a stamp a running program may remember. bumped_by
-- names the transaction that moved it last: a transaction moves it once, however many
-- statements it runs, and holds the row until it ends, so the stamp just before a write
-- is the stamp after it less one.
CREATE TABLE qb_stamp (
    one       boolean PRIMARY KEY DEFAULT true CHECK (one),
    stamp     bigint NOT NULL,
    bumped_by xid8
);
INSERT INTO qb_stamp (stamp) VALUES ((extract(epoch FROM clock_timestamp()) * 1000000)::bigint);

CREATE FUNCTION qb_bump_stamp() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    UPDATE qb_stamp SET stamp = stamp + 1, bumped_by = pg_current_xact_id()
     WHERE bumped_by IS DISTINCT FROM pg_current_xact_id();
    RETURN NULL;
END
$$;

CREATE TRIGGER tolmireks_stamp AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON tolmireks
    FOR EACH STATEMENT EXECUTE FUNCTION qb_bump_stamp();
