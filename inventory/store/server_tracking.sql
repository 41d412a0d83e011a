-- Which rows changed after a stamp (format 2): a program that read the inventory at
-- stamp S reads only the rows written since and the ids deleted since, instead of every
-- record. A new inventory gets it with its schema; one of format 1 when its owner opens it.
--
-- A transaction that writes takes its number from the stamp: the stamp row stays locked
-- by it to its commit, so the numbers follow the order in which transactions commit, and
-- a reader whose snapshot shows stamp S has seen every change numbered S or lower and
-- none above. A sequence would not do: a number taken earlier can commit later, and a
-- reader that has seen a larger one would miss it for ever.

-- The number of the transaction that last wrote the row; Null for rows as the inventory
-- was made or upgraded.
ALTER TABLE tolmireks ADD COLUMN qb_seq bigint;
CREATE INDEX tolmireks_by_seq ON tolmireks (qb_seq);

-- The ids of deleted rows, with the number of the transaction that deleted them.
CREATE TABLE qb_deleted (
    id  bigint PRIMARY KEY,
    seq bigint NOT NULL
);
CREATE INDEX qb_deleted_by_seq ON qb_deleted (seq);

-- A reading at a stamp below kept_since is read whole again: deletes before it are not
-- told (an upgrade, TRUNCATE, or ids deleted long ago let go by qb_forget_deleted).
ALTER TABLE qb_stamp ADD COLUMN kept_since bigint;
UPDATE qb_stamp SET kept_since = stamp;
ALTER TABLE qb_stamp ALTER COLUMN kept_since SET NOT NULL;

-- Moves the stamp once per transaction and gives the transaction's number. The number is
-- kept for the rest of the transaction, so a statement over many rows asks once.
CREATE FUNCTION qb_take_stamp() RETURNS bigint LANGUAGE plpgsql AS $$
DECLARE
    taken bigint;
BEGIN
    IF current_setting('qb.stamp_xact', true) = pg_current_xact_id()::text THEN
        RETURN current_setting('qb.stamp')::bigint;
    END IF;
    UPDATE qb_stamp SET stamp = stamp + 1, bumped_by = pg_current_xact_id()
     WHERE bumped_by IS DISTINCT FROM pg_current_xact_id();
    SELECT stamp INTO taken FROM qb_stamp;
    PERFORM set_config('qb.stamp_xact', pg_current_xact_id()::text, true);
    PERFORM set_config('qb.stamp', taken::text, true);
    RETURN taken;
END
$$;

CREATE OR REPLACE FUNCTION qb_bump_stamp() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    PERFORM qb_take_stamp();
    -- TRUNCATE removes rows without a row trigger: every earlier reading is read again.
    IF TG_OP = 'TRUNCATE' THEN
        UPDATE qb_stamp SET kept_since = stamp;
    END IF;
    RETURN NULL;
END
$$;

-- Every row written, by the program or by a lab's own SQL, carries its number.
CREATE FUNCTION qb_mark_row() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    NEW.qb_seq := qb_take_stamp();
    IF TG_OP = 'UPDATE' AND NEW.id IS DISTINCT FROM OLD.id THEN
        PERFORM qb_note_deleted(OLD.id);
    END IF;
    RETURN NEW;
END
$$;

-- Runs with the owner's rights, so a lab's writers need no grant on qb_deleted.
CREATE FUNCTION qb_note_deleted(gone bigint) RETURNS void LANGUAGE plpgsql SECURITY DEFINER
    SET search_path FROM CURRENT AS $$
BEGIN
    INSERT INTO qb_deleted (id, seq) VALUES (gone, qb_take_stamp())
        ON CONFLICT (id) DO UPDATE SET seq = EXCLUDED.seq;
END
$$;

CREATE FUNCTION qb_mark_deleted() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    PERFORM qb_note_deleted(OLD.id);
    RETURN NULL;
END
$$;

CREATE TRIGGER tolmireks_seq BEFORE INSERT OR UPDATE ON tolmireks
    FOR EACH ROW EXECUTE FUNCTION qb_mark_row();
CREATE TRIGGER tolmireks_deleted AFTER DELETE ON tolmireks
    FOR EACH ROW EXECUTE FUNCTION qb_mark_deleted();

-- Lets go of the ids deleted at or before a stamp; readings older than it are read whole.
CREATE FUNCTION qb_forget_deleted(upto bigint) RETURNS void LANGUAGE plpgsql AS $$
BEGIN
    UPDATE qb_stamp SET kept_since = greatest(kept_since, upto);
    DELETE FROM qb_deleted WHERE seq <= upto;
END
$$;

-- Whoever may read the records may read what was deleted.
DO $$
DECLARE
    reader name;
BEGIN
    FOR reader IN SELECT DISTINCT grantee FROM information_schema.role_table_grants
                   WHERE table_name = 'tolmireks' AND privilege_type = 'SELECT'
                     AND table_schema = current_schema() AND grantee <> current_user
    LOOP
        IF reader = 'PUBLIC' THEN
            GRANT SELECT ON qb_deleted TO PUBLIC;
        ELSE
            EXECUTE format('GRANT SELECT ON qb_deleted TO %I', reader);
        END IF;
    END LOOP;
END
$$;
